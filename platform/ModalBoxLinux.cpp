// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMessageBox>

#include "platform/ModalBox.h"

namespace platform {

void ShowModalBox(QWidget* parent, const Message& message) {
    const auto icon =
        message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, message.title, message.text, QMessageBox::Ok, parent);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The screen readers of the desktops that bring Qt 6.8 (Orca 48) say an alert's description
    // and pass over its labels of fewer than three words ("Invalid Entry"). Earlier ones say the
    // labels, and would say the description again after them.
    box.setAccessibleDescription(message.text);
#endif
    box.exec();
}

}  // namespace platform
