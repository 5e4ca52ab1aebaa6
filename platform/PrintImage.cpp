// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintImage.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "platform/WidgetImage.h"

#if __has_include(<cups/cups.h>)
#include <cups/cups.h>
#define VANTREL_HAVE_CUPS 1
#endif

namespace platform {
namespace {

constexpr qreal kScreenDpi = 96;

// Qt hands the finished job to CUPS without looking at the answer; a queue that refuses jobs
// says so only there.
QString SpoolerRefusal() {
#ifdef VANTREL_HAVE_CUPS
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        return QString::fromLocal8Bit(cupsLastErrorString());
    }
#endif
    return {};
}

}  // namespace

void DrawWidgetImage(QPainter& painter, QWidget* widget, int resolution) {
    // An image at a few times the screen's resolution: rendering the widgets straight onto the
    // printer would take more than a second.
    const QImage image = WidgetImage(widget);
    const qreal toPage = resolution / kScreenDpi;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, widget->width() * toPage, widget->height() * toPage), image);
}

PrintResult PrintImageNow(QWidget* widget) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        return {PrintOutcome::NoPrinter, {}};
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(widget->window()->windowTitle());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return {PrintOutcome::Failed, {}};
    }
    DrawWidgetImage(painter, widget, printer.resolution());
    if (!painter.end()) {
        return {PrintOutcome::Failed, {}};
    }
    if (const QString refusal = SpoolerRefusal(); !refusal.isEmpty()) {
        return {PrintOutcome::Failed, refusal};
    }
    return {PrintOutcome::Printed, {}};
}

}  // namespace platform
