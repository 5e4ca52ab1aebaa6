// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/val.h>

#include <QString>

#include "platform/Announcement.h"

namespace platform {

// Qt's browser layer passes no announcement on: the page's own live region says it, assertively
// as on the desktop (at once, over the echo of the key that calculated).
void Announce(QWidget*, const QString& message) {
    emscripten::val::global("vantrelPage").call<void>("announce", message.toStdString());
}

}  // namespace platform
