// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

enum class MessageIcon { None, Warning };

struct Message {
    QString text;
    QString title;  // empty: the application's title stands in the title bar
    MessageIcon icon = MessageIcon::None;
};

// Shows a modal message box with one OK button and returns when the user has closed it.
void ShowMessage(QWidget* parent, Message message);

// Replaces what shows the messages (tests record them instead) and returns the one before.
using MessageHandler = std::function<void(QWidget* parent, const Message& message)>;
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace platform
