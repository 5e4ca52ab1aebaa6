// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMessageBox>

#include "platform/ModalBox.h"

namespace platform {

// In the browser a box cannot wait in a loop of its own: it is opened and left to close itself.
// Modal to the window it belongs to, it holds that window's input until OK is pressed, as on the
// desktop; nothing the callers do after showing a message needs it closed.
void ShowModalBox(QWidget* parent, const Message& message) {
    const auto icon =
        message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    auto* box = new QMessageBox(icon, message.title, message.text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box->setAccessibleDescription(message.text);
    box->open();
}

}  // namespace platform
