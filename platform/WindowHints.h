// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace platform {

// Asks the desktop to keep a top-level window out of its taskbar. Call it before the window is
// first shown. Does nothing where the desktop offers no such hint.
void KeepOutOfTaskbar(QWidget* window);

// Shows a top-level window as the desktop shows it: at its own size, with the focus on the
// control that was given it.
void ShowWindow(QWidget* window);

// Ends the program with the exit code. On the desktop its event loop ends and the process with
// it; in a page, whose event loop never ends, the program is stopped and the page told.
void QuitProgram(int code);

}  // namespace platform
