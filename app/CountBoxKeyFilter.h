// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Decides on one typed character of a count box: it takes Backspace (8) and the digits 0 to 9,
// and refuses every other character.
constexpr bool CountBoxKeyFilter(char32_t KeyAscii) {
    return KeyAscii == 8 || (KeyAscii >= U'0' && KeyAscii <= U'9');
}
