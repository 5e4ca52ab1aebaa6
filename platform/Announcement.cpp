// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Announcement.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSet>
#include <algorithm>
#include <utility>

namespace {

// The caption's text, then what the label it captions shows, if anything.
QString Captioned(const QLabel* caption) {
    const auto* captioned = qobject_cast<const QLabel*>(caption->buddy());
    if (captioned == nullptr || captioned->text().isEmpty()) {
        return caption->text();
    }
    return caption->text() + QLatin1Char(' ') + captioned->text();
}

// The labels in the area, row by row from the top and from the left within a row.
QList<QLabel*> LabelsInReadingOrder(const QWidget* area) {
    QList<QLabel*> labels = area->findChildren<QLabel*>();
    labels.removeIf([](const QLabel* label) { return label->isHidden(); });
    auto place = [area](const QLabel* label) {
        const QPoint at = label->mapTo(area, QPoint(0, 0));
        return std::make_pair(at.y(), at.x());
    };
    std::stable_sort(labels.begin(), labels.end(),
                     [&](const QLabel* a, const QLabel* b) { return place(a) < place(b); });
    return labels;
}

// What the labels in the area show, in reading order, each caption with the label it captions.
QString Describe(const QWidget* window, const QWidget* area) {
    const QList<QLabel*> labels = LabelsInReadingOrder(area);
    QSet<const QWidget*> captioned;
    for (const QLabel* label : labels) {
        captioned.insert(label->buddy());
    }
    QStringList rows;
    QStringList row;
    int rowTop = 0;
    for (const QLabel* label : labels) {
        // A captioned label is read with its caption; a heading that repeats the title is left
        // to the title, which screen readers say first.
        if (captioned.contains(label) || label->text().isEmpty() ||
            label->text() == window->windowTitle()) {
            continue;
        }
        const int top = label->mapTo(area, QPoint(0, 0)).y();
        if (!row.isEmpty() && top != rowTop) {
            rows.append(row.join(QLatin1String(", ")));
            row.clear();
        }
        rowTop = top;
        row.append(Captioned(label));
    }
    if (!row.isEmpty()) {
        rows.append(row.join(QLatin1String(", ")));
    }
    return rows.join(QLatin1String(". "));
}

constexpr char kDescribedAreaProperty[] = "describedArea";

// A dialog described by what its area shows at the moment a reader asks. Nothing tells readers
// of a change: Orca 48 would say the whole description whenever a result changes, while the
// focus is in a box of the window.
class DescribedWindowAccessible : public QAccessibleWidget {
  public:
    explicit DescribedWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Dialog) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Description) {
            return QAccessibleWidget::text(kind);
        }
        const QString areaName = widget()->property(kDescribedAreaProperty).toString();
        const auto* area = widget()->findChild<const QWidget*>(areaName);
        return area != nullptr ? Describe(widget(), area) : QString();
    }
};

QAccessibleInterface* MakeDescribedWindowAccessible(const QString&, QObject* object) {
    auto* window = qobject_cast<QDialog*>(object);
    if (window == nullptr || !window->property(kDescribedAreaProperty).isValid()) {
        return nullptr;
    }
    return new DescribedWindowAccessible(window);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && !defined(Q_OS_WIN)
// Before Qt 6.8 there is no announcement event: a message for screen readers is heard through
// an accessible object of its own. It has no widget, so nothing shows; its accessible parent is
// the application, not the window, so that a screen reader reads it alone, as a desktop
// notification, rather than after the whole window.
class Notice : public QObject {
  public:
    using QObject::QObject;
    QString message;
};

class NoticeAccessible : public QAccessibleObject {
  public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleObject(notice) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(qApp);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<const Notice*>(object())->message
                                         : QString();
    }
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
    if (auto* notice = dynamic_cast<Notice*>(object)) {
        return new NoticeAccessible(notice);
    }
    return nullptr;
}
#endif

}  // namespace

namespace platform {

QString ReadWithCaption(const QLabel* label) {
    for (const QLabel* caption : label->window()->findChildren<QLabel*>()) {
        if (caption->buddy() == label) {
            return Captioned(caption);
        }
    }
    return label->text();
}

void DescribeWindow(QDialog* window, const QString& areaName) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(MakeDescribedWindowAccessible);
        return true;
    }();
    (void)factoryInstalled;
    window->setProperty(kDescribedAreaProperty, areaName);
}

void Announce(QWidget* window, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement, which every accessibility layer passes on; said at once, over
    // whatever the reader was saying about the typing.
    QAccessibleAnnouncementEvent announcement(window, message);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&announcement);
#elif defined(Q_OS_WIN)
    // Qt 6.4's UI Automation layer raises a text given as a value change as a notification, one
    // that is said at once over what the reader was saying.
    QAccessibleValueChangeEvent announcement(window, message);
    QAccessible::updateAccessibility(&announcement);
#else
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    (void)factoryInstalled;
    auto* notice = dynamic_cast<Notice*>(
        window->findChild<QObject*>(QStringLiteral("announcement"), Qt::FindDirectChildrenOnly));
    if (notice == nullptr) {
        notice = new Notice(window);
        notice->setObjectName(QStringLiteral("announcement"));
    }
    notice->message = message;
    // Told of the new name as of any, so that a screen reader that keeps names reads this one.
    QAccessibleEvent named(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace platform
