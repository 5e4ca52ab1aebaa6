// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts like the program (or, built as the baseline, shows one empty window) and quits right
// after the first paint of its window: what start-up costs, timed from outside.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#ifdef VANTREL_BASELINE
using Window = QWidget;
#else
#include "app/Startup.h"
#include "app/frmMain.h"
using Window = frmMain;
#endif

namespace {

class QuitAfterFirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool quitting_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifndef VANTREL_BASELINE
    PrepareApplication();
#endif
    Window window;
    QuitAfterFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
