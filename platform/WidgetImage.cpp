// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WidgetImage.h"

#include <QWidget>

namespace platform {

QImage WidgetImage(QWidget* widget) {
    QImage image(widget->size() * kPrintImageScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPrintImageScale);
    image.fill(widget->palette().window().color());
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace platform
