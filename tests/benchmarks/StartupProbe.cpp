// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts like the program (or, built as the baseline, shows one empty window) and quits right
// after the first paint of its window: what start-up costs, timed from outside. In a page,
// where a program does not end, it leaves the moment of that paint (milliseconds since the page
// was opened) and its WebAssembly memory's size in the page instead.
#ifdef __EMSCRIPTEN__
#include <emscripten/val.h>
#endif

#include <QApplication>
#include <QTimer>
#include <QWidget>

#ifdef VANTREL_BASELINE
using Window = QWidget;
#else
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/ShowAndQuit.h"
using Window = frmMain;
#endif

namespace {

class QuitAfterFirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
#ifdef __EMSCRIPTEN__
            using emscripten::val;
            val page = val::global("window");
            page.set("startupFirstPaint", val::global("performance").call<val>("now"));
            page.set("startupWasmMemory",
                     val(static_cast<double>(__builtin_wasm_memory_size(0)) * 65536.0));
#else
            QTimer::singleShot(0, qApp, &QApplication::quit);
#endif
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
#ifdef VANTREL_BASELINE
    window.show();
#else
    platform::ShowWindow(&window);
#endif
    return app.exec();
}
