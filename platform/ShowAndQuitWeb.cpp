// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "platform/ShowAndQuit.h"

namespace platform {

namespace {

emscripten::val Page() {
    return emscripten::val::global("vantrelPage");
}

// The id Qt's browser layer gives the page element that stands for a control: the object names
// (or class names) from the application down to the control, joined by dots.
std::string MirrorId(QWidget* control) {
    QStringList names;
    for (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
         node != nullptr; node = node->parent()) {
        if (QObject* object = node->object()) {
            names.prepend(object->objectName().isEmpty()
                              ? QString::fromLatin1(object->metaObject()->className())
                              : object->objectName());
        }
    }
    return names.join(u'.').toStdString();
}

// Screen readers read the page, not the window: the page is told each box's name and text, and
// which box has the focus.
void MirrorBoxesInThePage(QWidget* window) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        Page().call<void>("nameBox", MirrorId(box), box->accessibleName().toStdString());
        QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
            Page().call<void>("boxText", MirrorId(box), text.toStdString(), box->hasFocus());
        });
    }
    QObject::connect(qApp, &QApplication::focusChanged, window, [window](QWidget*, QWidget* now) {
        auto* box = qobject_cast<QLineEdit*>(now);
        if (box != nullptr && box->window() == window) {
            Page().call<void>("focusBox", MirrorId(box));
        }
    });
    if (auto* box = qobject_cast<QLineEdit*>(window->focusWidget())) {
        Page().call<void>("focusBox", MirrorId(box));
    }
}

// The window with the frame the page draws around it.
QRect FrameOf(QWidget* window) {
    return window->geometry().marginsAdded(window->windowHandle()->frameMargins());
}

// On a screen narrower than the window the page is laid out wider and shown scaled down. The
// screen takes the page's new size a moment later; a window it then cuts off is centred again.
void FitToScreen(QWidget* window) {
    Page().call<void>("fitWindow", FrameOf(window).width());
    QObject::connect(window->screen(), &QScreen::geometryChanged, window,
                     [window](const QRect& screen) {
                         QRect frame = FrameOf(window);
                         if (!screen.contains(frame)) {
                             frame.moveCenter(screen.center());
                             window->move(frame.topLeft());
                         }
                     });
}

}  // namespace

// A page would show a main window full screen, so it is shown as a normal one. The page also
// activates a window while it is being created, before its controls are visible, and Qt then
// hands the focus on to the control after the one that was given it: it is given back.
void ShowWindow(QWidget* window) {
    const QPointer<QWidget> focus = window->focusWidget();
    window->showNormal();
    if (focus != nullptr) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    FitToScreen(window);
    MirrorBoxesInThePage(window);
}

void QuitProgram(int code) {
    emscripten_force_exit(code);
}

}  // namespace platform
