// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

namespace platform {

// Has screen readers say the message now, leaving the focus where it is and the screen as it is.
// Each build has one way to send it, in a file of its own: on the desktops from Qt 6.8 on, Qt's
// announcement event (AnnouncementEvent.cpp); before, on Windows, a value change that Qt's UI
// Automation layer raises as a notification (AnnouncementWin32.cpp), on Linux a notification
// object that shows, which AT-SPI passes on (AnnouncementLinux.cpp); in the browser, the page's
// live region (AnnouncementWeb.cpp).
void Announce(QWidget* window, const QString& message);

}  // namespace platform
