// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/val.h>

#include <QBuffer>
#include <QByteArray>
#include <QWidget>

#include "platform/Printing.h"
#include "platform/WidgetImage.h"

namespace platform {

namespace {

constexpr char kPageId[] = "vantrel-print";

// The page's print-only part: on paper it is all there is, on screen it is never seen.
emscripten::val PrintPage() {
    using emscripten::val;
    val document = val::global("document");
    val page = document.call<val>("getElementById", val(kPageId));
    if (!page.isNull()) {
        return page;
    }
    val style = document.call<val>("createElement", val("style"));
    style.set("textContent",
              val("@media screen { #vantrel-print { display: none; } }"
                  "@media print { body > :not(#vantrel-print) { display: none !important; }"
                  " #vantrel-print { display: block; margin: 0; } }"));
    document["head"].call<void>("appendChild", style);
    page = document.call<val>("createElement", val("div"));
    page.set("id", val(kPageId));
    page.call<void>("appendChild", document.call<val>("createElement", val("img")));
    document["body"].call<void>("appendChild", page);
    return page;
}

}  // namespace

// A browser has no printer for a page to reach: the window's image, the one the desktop prints,
// goes on a print-only page at the window's size, and the browser's own print dialog takes it.
PrintResult PrintWidgetImage(QWidget* widget) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    WidgetImage(widget).save(&buffer, "PNG");

    using emscripten::val;
    val image = PrintPage()["firstChild"];
    image.set("alt", val(widget->window()->windowTitle().toStdString()));
    image.set("src", val("data:image/png;base64," + png.toBase64().toStdString()));
    val style = image["style"];
    style.set("width", val(std::to_string(widget->width()) + "px"));
    style.set("height", val(std::to_string(widget->height()) + "px"));
    val::global("window").call<void>("print");
    return {PrintOutcome::Printed, {}};
}

}  // namespace platform
