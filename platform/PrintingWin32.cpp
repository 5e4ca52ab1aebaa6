// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintImage.h"
#include "platform/Printing.h"

namespace platform {

// Linked into the program where a separately loaded module cannot share a static Qt.
PrintResult PrintWidgetImage(QWidget* widget) {
    return PrintImageNow(widget);
}

}  // namespace platform
