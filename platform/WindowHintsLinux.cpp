// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WindowHints.h"

#include <QGuiApplication>
#include <QWidget>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace platform {

#if __has_include(<xcb/xcb.h>) && QT_CONFIG(xcb)

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

void KeepOutOfTaskbar(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    // The window manager reads _NET_WM_STATE when the window is mapped; Qt keeps what is there.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE) {
        return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1,
                        &skipTaskbar);
    xcb_flush(connection);
}

#else

void KeepOutOfTaskbar(QWidget*) {}

#endif

}  // namespace platform
