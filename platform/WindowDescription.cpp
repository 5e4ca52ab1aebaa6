// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WindowDescription.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QLabel>
#include <QPointer>
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

// A dialog described by what its area shows at the moment a reader asks. Nothing tells readers
// of a change: Orca 48 would say the whole description whenever a result changes, while the
// focus is in a box of the window.
class DescribedWindowAccessible : public QAccessibleWidget {
  public:
    DescribedWindowAccessible(QDialog* window, const QWidget* area)
        : QAccessibleWidget(window, QAccessible::Dialog), area_(area) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Description) {
            return QAccessibleWidget::text(kind);
        }
        return area_ != nullptr ? Describe(widget(), area_) : QString();
    }

  private:
    QPointer<const QWidget> area_;
};

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

void DescribeWindow(QDialog* window, const QWidget* area) {
    // Qt keeps one accessible object a window for its life, made the first time anything asks
    // (setting the title already does): one made before this is replaced, so that readers never
    // get a window without its description.
    QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(window);
    if (existing != nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    }
    QAccessible::registerAccessibleInterface(new DescribedWindowAccessible(window, area));
}

}  // namespace platform
