// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Controls.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace platform {

QLabel* PlaceLabel(QLabel* label, const char* name, const QRect& rect, Qt::Alignment alignment) {
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                 Qt::Alignment alignment) {
    return PlaceLabel(new QLabel(text, parent), name, rect, alignment);
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& rect) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(rect);
    return button;
}

void SetCancelButton(QDialog* window, QAbstractButton* cancel) {
    // A shortcut of the window comes before the dialog's own Esc, which would close it; an open
    // menu still takes Esc first.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    if (cancel != nullptr) {
        QObject::connect(escape, &QShortcut::activated, cancel, &QAbstractButton::click);
    }
}

}  // namespace platform
