// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WindowHints.h"

namespace platform {

// The page has no taskbar: the help windows are windows inside it.
void KeepOutOfTaskbar(QWidget*) {}

}  // namespace platform
