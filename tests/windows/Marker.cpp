// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in system-information tool: when started, it leaves a file named after itself with
// ".started" added, then ends.
#include <windows.h>

int main() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH - 16);
    if (length == 0) {
        return 1;
    }
    lstrcatA(path, ".started");
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    CloseHandle(file);
    return 0;
}
