// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Announcement.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QWidget>

namespace {

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

}  // namespace

namespace platform {

void Announce(QWidget* window, const QString& message) {
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
}

}  // namespace platform
