// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/HelpWindowStyle.h"

#include "platform/AppIcon.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "platform/WindowHints.h"

namespace help {

void ApplyHelpWindowStyle(QDialog* window, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(platform::AppIcon());
    window->setFont(platform::Font(platform::kDialogFontFamily, 8));
    window->setFixedSize(platform::TwipsToPixels(clientWidthTwips),
                         platform::TwipsToPixels(clientHeightTwips));
    platform::KeepOutOfTaskbar(window);
}

}  // namespace help
