// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MessageBox.h"

#include <utility>

#include "platform/Identity.h"
#include "platform/ModalBox.h"

namespace platform {
namespace {

MessageHandler& CurrentHandler() {
    static MessageHandler handler = ShowModalBox;
    return handler;
}

}  // namespace

void ShowMessage(QWidget* parent, Message message) {
    if (message.title.isEmpty()) {
        message.title = QString::fromUtf8(identity::kTitle);
    }
    CurrentHandler()(parent, message);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace platform
