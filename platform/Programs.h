// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Files and programs by path, free of any toolkit. A path may use "\" between its parts, as
// paths from the registry do; on systems that use "/" it is read that way.
namespace platform {

// True for an ordinary file: not a folder, not hidden (and on Windows not a system file).
bool IsOrdinaryFile(const std::string& path);

// Starts the program at the path in a normal window, never through a shell, and returns at
// once without waiting for it. False when it cannot be started.
bool StartProgram(const std::string& path);

}  // namespace platform
