// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

namespace platform {

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
