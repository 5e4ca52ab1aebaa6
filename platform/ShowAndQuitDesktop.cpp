// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QWidget>

#include "platform/ShowAndQuit.h"

namespace platform {

void ShowWindow(QWidget* window) {
    window->show();
}

void QuitProgram(int code) {
    QCoreApplication::exit(code);
}

}  // namespace platform
