// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printing.h"

namespace platform {

// Draws an image of the widget on the default printer; the work behind PrintWidgetImage.
PrintResult PrintImageNow(QWidget* widget);

}  // namespace platform
