// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include <QApplication>

#include "app/DeferredIconStyle.h"
#include "platform/AppIcon.h"
#include "platform/Fonts.h"

void PrepareApplication() {
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
    QApplication::setWindowIcon(platform::AppIcon());
    platform::InstallFontSubstitutes();
    // Message boxes and menus use the dialog font, as they do on the platform the program
    // comes from; it also spares loading the desktop's own face at start-up.
    QApplication::setFont(platform::Font(platform::kDialogFontFamily, 8));
}
