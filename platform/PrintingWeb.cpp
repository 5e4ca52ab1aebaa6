// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/val.h>

#include <QBuffer>
#include <QByteArray>
#include <QWidget>

#include "platform/Printing.h"
#include "platform/WidgetImage.h"

namespace platform {

// A browser has no printer for a page to reach: the window's image, the one the desktop prints,
// goes on the page's print-only part at the window's size, and the browser's own print dialog
// takes it.
PrintResult PrintWidgetImage(QWidget* widget) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    WidgetImage(widget).save(&buffer, "PNG");
    emscripten::val::global("vantrelPage")
        .call<void>("print", "data:image/png;base64," + png.toBase64().toStdString(),
                    widget->width(), widget->height(),
                    widget->window()->windowTitle().toStdString());
    return {PrintOutcome::Printed, {}};
}

}  // namespace platform
