// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/val.h>

#include <QWidget>

#include "platform/Announcement.h"

namespace platform {

namespace {

constexpr char kRegionId[] = "vantrel-announcement";

// A live region of the page, out of sight: a screen reader says what is put in it, over what it
// was saying. Qt's browser layer passes no announcement on, so the page's own means serve.
emscripten::val LiveRegion() {
    using emscripten::val;
    val document = val::global("document");
    val region = document.call<val>("getElementById", val(kRegionId));
    if (!region.isNull()) {
        return region;
    }
    region = document.call<val>("createElement", val("div"));
    region.set("id", val(kRegionId));
    region.call<void>("setAttribute", val("aria-live"), val("assertive"));
    region.call<void>("setAttribute", val("aria-atomic"), val("true"));
    region.call<void>("setAttribute", val("style"),
                      val("position:absolute;left:-10000px;width:1px;height:1px;overflow:hidden"));
    document["body"].call<void>("appendChild", region);
    return region;
}

}  // namespace

void Announce(QWidget*, const QString& message) {
    using emscripten::val;
    val region = LiveRegion();
    // A new text node each time, so that the same result calculated again is said again.
    region.set("textContent", val(""));
    val text = val::global("document").call<val>("createTextNode", val(message.toStdString()));
    region.call<void>("appendChild", text);
}

}  // namespace platform
