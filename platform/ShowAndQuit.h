// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace platform {

// Shows the program's main window as the platform shows it: at its own size, with the focus on
// the control that was given it.
void ShowWindow(QWidget* window);

// Ends the program with the exit code. On the desktop its event loop ends and the process with
// it; in a page, whose event loop never ends, the program is stopped and the page told.
void QuitProgram(int code);

}  // namespace platform
