// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CountBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "app/CountBoxKeyFilter.h"
#include "app/Warnings.h"

namespace {

// Keys that never produce a character in a text box, even where the keyboard attaches a
// control code to them (Delete carries 0x7f under X).
bool MakesNoCharacter(const QKeyEvent& event) {
    const int key = event.key();
    return key >= Qt::Key_Escape && key != Qt::Key_Backspace;
}

}  // namespace

CountBox::CountBox(QWidget* parent) : QLineEdit(parent) {}

QString CountBox::TypedCharacters(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Backspace) {
        // Ctrl+Backspace types the control character 127, as on the platform the program
        // comes from, rather than deleting a word.
        return QString(QChar(event.modifiers() & Qt::ControlModifier ? 127 : 8));
    }
    // Ctrl+letter types a control code (Ctrl+C is 3, Ctrl+V is 22) whatever text the event
    // carries: a real keyboard sends the code, a synthesised event may send the letter.
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return QString(QChar(key - Qt::Key_A + 1));
    }
    return event.text();
}

QString CountBox::Accepted(const QString& characters) {
    // By code point, so that a character outside the Basic Multilingual Plane counts once.
    QString accepted;
    for (const char32_t character : characters.toUcs4()) {
        if (CountBoxKeyFilter(character)) {
            accepted += QChar(character);  // only Backspace and digits get here
        }
    }
    return accepted;
}

int CountBox::RefusedCount(const QString& characters) {
    return static_cast<int>(characters.toUcs4().size() - Accepted(characters).size());
}

void CountBox::WarnOfRefused(int refused) {
    for (int i = 0; i < refused; ++i) {
        ShowInvalidEntryWarning(window());
    }
}

void CountBox::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc belong to the window's default and cancel buttons.
    if (MakesNoCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Alt+letter is an access key, never a character; one that matches nothing does nothing.
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore();
        return;
    }
    const QString characters = TypedCharacters(*event);
    if (characters.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (const int refused = RefusedCount(characters); refused > 0) {
        event->accept();  // dropped: the text, caret and selection stay as they were
        WarnOfRefused(refused);
        return;
    }
    if (characters == QString(QChar(8)) && event->key() != Qt::Key_Backspace) {
        // Ctrl+H types a Backspace.
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)));
        QLineEdit::keyPressEvent(&backspace);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CountBox::inputMethodEvent(QInputMethodEvent* event) {
    // Dead keys, Compose sequences and input methods commit text with no key press; each of its
    // characters is judged as if it had been typed. Only its digits go in: a Backspace the
    // filter lets through is an edit, not text, and must not stand in the box as a character.
    const QString commit = event->commitString();
    const QString digits = Accepted(commit).remove(QChar(8));
    if (digits == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent digitsOnly(event->preeditString(), event->attributes());
    digitsOnly.setCommitString(digits, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&digitsOnly);
    WarnOfRefused(RefusedCount(commit));
}
