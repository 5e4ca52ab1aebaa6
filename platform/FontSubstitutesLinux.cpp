// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

namespace platform {

namespace {

// Liberation Sans has Arial's metrics; it is also the closest installed match in width to the
// narrow bitmap dialog face, and unlike a bitmap face it scales on dense screens.
constexpr char kStandInFamily[] = "Liberation Sans";

}  // namespace

void InstallFontSubstitutes() {
    QFont::insertSubstitution(kArialFamily, kStandInFamily);
    QFont::insertSubstitution(kDialogFontFamily, kStandInFamily);
}

}  // namespace platform
