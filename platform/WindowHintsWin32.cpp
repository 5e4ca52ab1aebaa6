// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QEventLoopLocker>
#include <QWidget>
#include <QWindow>

#include "platform/WindowHints.h"

namespace platform {
namespace {

// Windows shows no taskbar button for a window that has an owner. The owner is a window that is
// never shown, so that closing the main window leaves the help windows open. It lasts as long
// as the program.
QWindow* HiddenOwner() {
    static QWindow* owner = [] {
        auto* window = new QWindow;
        window->create();
        return window;
    }();
    return owner;
}

// Qt does not count an owned window when it decides that the last window has closed; this keeps
// the program running while the window exists, as an unowned window would.
class KeepRunning : public QObject {
  public:
    using QObject::QObject;

  private:
    QEventLoopLocker locker_;
};

}  // namespace

void KeepOutOfTaskbar(QWidget* window) {
    window->winId();  // the native window, to take the owner
    window->windowHandle()->setTransientParent(HiddenOwner());
    new KeepRunning(window);
}

}  // namespace platform
