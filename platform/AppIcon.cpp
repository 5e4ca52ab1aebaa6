// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AppIcon.h"

#include <QPixmap>

#include "data/shuttle16.xpm"
#include "data/shuttle32.xpm"

namespace platform {

QIcon AppIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(shuttle32_xpm));
    icon.addPixmap(QPixmap(shuttle16_xpm));
    return icon;
}

}  // namespace platform
