// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace platform {

// Asks the desktop to keep a top-level window out of its taskbar. Call it before the window is
// first shown. Does nothing where the desktop offers no such hint.
void KeepOutOfTaskbar(QWidget* window);

}  // namespace platform
