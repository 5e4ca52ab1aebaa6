// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

namespace platform {

// The classic dialog face is a bitmap face in a few fixed sizes: on a screen finer than 96 dots
// per inch its text is set larger than the boxes sized for it. Microsoft Sans Serif, which every
// Windows since 2000 has, is its scalable twin with the same widths.
void InstallFontSubstitutes() {
    QFont::insertSubstitution(kDialogFontFamily, QStringLiteral("Microsoft Sans Serif"));
}

}  // namespace platform
