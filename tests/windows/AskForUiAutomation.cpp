// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks a window for its UI Automation root, as a screen reader does when it meets the window:
// the program's accessibility comes alive only then.
// Usage: ask-for-ui-automation.exe TITLE. Ends with 0 once the window has answered, 2 when no
// window has that title.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        return 1;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (window == nullptr) {
        return 2;
    }
    constexpr LPARAM kUiaRootObjectId = -25;
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(window, WM_GETOBJECT, 0, kUiaRootObjectId,
                                             SMTO_ABORTIFHUNG, 10000, &answer);
    return sent != 0 ? 0 : 3;
}
