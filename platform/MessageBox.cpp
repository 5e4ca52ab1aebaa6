#include "platform/MessageBox.h"

#include <QMessageBox>
#include <utility>

#include "app/AppInfo.h"

namespace platform {
namespace {

void ShowModalBox(QWidget* parent, const Message& message) {
    const auto icon =
        message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler& CurrentHandler() {
    static MessageHandler handler = ShowModalBox;
    return handler;
}

}  // namespace

void ShowMessage(QWidget* parent, Message message) {
    if (message.title.isEmpty()) {
        message.title = QString::fromUtf8(appinfo::kTitle);
    }
    CurrentHandler()(parent, message);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace platform
