// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

namespace platform {

#ifdef _WIN32

// The classic dialog face is a bitmap face in a few fixed sizes: on a screen finer than 96 dots
// per inch its text is set larger than the boxes sized for it. Microsoft Sans Serif, which every
// Windows since 2000 has, is its scalable twin with the same widths.
void InstallFontSubstitutes() {
    QFont::insertSubstitution(kDialogFontFamily, QStringLiteral("Microsoft Sans Serif"));
}

#else

namespace {

// Liberation Sans has Arial's metrics; it is also the closest installed match in width to the
// narrow bitmap dialog face, and unlike a bitmap face it scales on dense screens.
constexpr char kStandInFamily[] = "Liberation Sans";

}  // namespace

void InstallFontSubstitutes() {
    QFont::insertSubstitution(kArialFamily, kStandInFamily);
    QFont::insertSubstitution(kDialogFontFamily, kStandInFamily);
}

#endif

QFont Font(const char* family, double pointSize, bool bold, bool italic) {
    // Only the installed face is named: a face the system lacks, or a second family, would make
    // the font system look for fallback faces at once rather than when a glyph is missing.
    QFont font;
    font.setFamily(QFont::substitute(QString::fromLatin1(family)));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Latin text needs no shaping. Without it the text is set without pair kerning, as the
    // classic Windows controls set it, and start-up spares loading the text shaper.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace platform
