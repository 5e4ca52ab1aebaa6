// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printing.h"

class QPainter;

namespace platform {

// Draws the widget's image with a painter on a page of the given resolution (dots per inch): at
// the widget's on-screen size, from the painter's origin. Apart from the printer, so that the
// image can be checked without one.
void DrawWidgetImage(QPainter& painter, QWidget* widget, int resolution);

// Draws an image of the widget on the default printer; the work behind PrintWidgetImage.
PrintResult PrintImageNow(QWidget* widget);

}  // namespace platform
