// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/ShowAndQuit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();

    frmMain window;
    platform::ShowWindow(&window);
    return app.exec();
}
