// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace help {

// The help windows' shared style: a fixed dialog frame with only a close button, the dialog
// font, the application icon, a client area of the given twips, and unloaded when closed.
void ApplyHelpWindowStyle(QDialog* window, int clientWidthTwips, int clientHeightTwips);

}  // namespace help
