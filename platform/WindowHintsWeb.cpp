// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "platform/WindowHints.h"

namespace platform {

namespace {

// The id Qt's browser layer gives the page element that stands for a control: the object names
// (or class names) from the application down to the control, joined by dots.
QString MirrorId(QWidget* control) {
    QStringList names;
    for (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
         node != nullptr; node = node->parent()) {
        if (QObject* object = node->object()) {
            names.prepend(object->objectName().isEmpty()
                              ? QString::fromLatin1(object->metaObject()->className())
                              : object->objectName());
        }
    }
    return names.join(u'.');
}

// Once a screen reader has turned on Qt's mirror of the window in the page, a text box there is
// an input with no name of its own. Each is given its box's accessible name as it appears.
void NameBoxesInThePage(QWidget* window) {
    using emscripten::val;
    val names = val::object();
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        names.set(MirrorId(box).toStdString(), box->accessibleName().toStdString());
    }
    val nameAll = val::global("Function").new_(val("names"), val(R"js(
        const label = (root) => {
            for (const [id, name] of Object.entries(names)) {
                const element = root.getElementById(id);
                if (element && element.getAttribute("aria-label") !== name)
                    element.setAttribute("aria-label", name);
            }
        };
        const watch = (root) => new MutationObserver(() => label(root))
            .observe(root, { childList: true, subtree: true });
        for (const host of document.querySelectorAll("*")) {
            if (host.shadowRoot) watch(host.shadowRoot);
        }
        watch(document);
    )js"));
    nameAll(names);
}

}  // namespace

// The page has no taskbar: the help windows are windows inside it.
void KeepOutOfTaskbar(QWidget*) {}

// A page would show a main window full screen, so it is shown as a normal one. The page also
// activates a window while it is being created, before its controls are visible, and Qt then
// hands the focus on to the control after the one that was given it: it is given back.
void ShowWindow(QWidget* window) {
    const QPointer<QWidget> focus = window->focusWidget();
    window->showNormal();
    if (focus != nullptr) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    NameBoxesInThePage(window);
}

void QuitProgram(int code) {
    emscripten_force_exit(code);
}

}  // namespace platform
