// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace platform {

// Window designs are measured in twips; at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

}  // namespace platform
