// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

class QWidget;

namespace platform {

// How many times the screen's resolution a printed image is drawn at, so that its text stays
// sharp on paper.
inline constexpr qreal kPrintImageScale = 4;

// The widget's image at that scale, its device pixel ratio set so that it keeps the widget's
// size in the widget's own units.
QImage WidgetImage(QWidget* widget);

}  // namespace platform
