#include "platform/PrintImage.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace platform {
namespace {

// The image is drawn at a few times the screen's resolution, so that text stays sharp on
// paper; rendering the widgets straight onto the printer would take more than a second.
constexpr qreal kImageScale = 4;
constexpr qreal kScreenDpi = 96;

}  // namespace

bool PrintImageNow(QWidget* widget) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        return false;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(widget->window()->windowTitle());

    QImage image(widget->size() * kImageScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kImageScale);
    image.fill(widget->palette().window().color());
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const qreal toPrinter = printer.resolution() / kScreenDpi;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, widget->width() * toPrinter, widget->height() * toPrinter),
                      image);
    return painter.end();
}

}  // namespace platform
