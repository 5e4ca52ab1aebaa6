#include <QMessageBox>

#include "platform/ModalBox.h"

namespace platform {

void ShowModalBox(QWidget* parent, const Message& message) {
    const auto icon =
        message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace platform
