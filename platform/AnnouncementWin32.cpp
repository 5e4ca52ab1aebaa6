// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Announcement.h"

#include <QAccessible>
#include <QWidget>

namespace platform {

void Announce(QWidget* window, const QString& message) {
    // Qt 6.4's UI Automation layer raises a text given as a value change as a notification, one
    // that is said at once over what the reader was saying.
    QAccessibleValueChangeEvent announcement(window, message);
    QAccessible::updateAccessibility(&announcement);
}

}  // namespace platform
