// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace platform {

// The space shuttle with its two boosters, in 32 and 16 pixels, 16 colours.
QIcon AppIcon();

}  // namespace platform
