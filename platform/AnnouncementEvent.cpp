// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Announcement.h"

#include <QAccessible>
#include <QWidget>

namespace platform {

void Announce(QWidget* window, const QString& message) {
    // Qt's own announcement, which every accessibility layer passes on; said at once, over
    // whatever the reader was saying about the typing.
    QAccessibleAnnouncementEvent announcement(window, message);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&announcement);
}

}  // namespace platform
