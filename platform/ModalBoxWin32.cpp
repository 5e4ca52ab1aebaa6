// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <QWidget>

#include "platform/ModalBox.h"

namespace platform {

// Windows' own message box, as the program has always shown: it disables the window it belongs
// to until it is closed, and screen readers know it.
void ShowModalBox(QWidget* parent, const Message& message) {
    const HWND owner =
        parent != nullptr ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    UINT style = MB_OK | MB_SETFOREGROUND | (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL);
    if (message.icon == MessageIcon::Warning) {
        style |= MB_ICONEXCLAMATION;
    }
    MessageBoxW(owner, reinterpret_cast<LPCWSTR>(message.text.utf16()),
                reinterpret_cast<LPCWSTR>(message.title.utf16()), style);
}

}  // namespace platform
