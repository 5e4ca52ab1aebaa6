// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace platform {

// The classic dialog face; where it is missing, a metric-close TrueType face stands in for it.
inline constexpr char kDialogFontFamily[] = "MS Sans Serif";
inline constexpr char kArialFamily[] = "Arial";

// Maps the classic Windows faces to the installed faces that stand in for them, where the
// system lacks them.
void InstallFontSubstitutes();

// A font of the given face and size in points, e.g. Font(kArialFamily, 12, true, true), drawn
// with the face that stands in for it once InstallFontSubstitutes has run.
QFont Font(const char* family, double pointSize, bool bold = false, bool italic = false);

}  // namespace platform
