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
        return QString(QChar(8));
    }
    // Ctrl+letter types a control code (Ctrl+C is 3, Ctrl+V is 22) whatever text the event
    // carries: a real keyboard sends the code, a synthesised event may send the letter.
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return QString(QChar(key - Qt::Key_A + 1));
    }
    return event.text();
}

int CountBox::RefusedCount(const QString& characters) {
    int refused = 0;
    for (const QChar character : characters) {
        auto KeyAscii = static_cast<std::int16_t>(character.unicode());
        CountBoxKeyFilter(KeyAscii);
        refused += KeyAscii == 0 ? 1 : 0;
    }
    return refused;
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
    // Dead keys and Compose sequences arrive as committed text with no key press.
    const int refused = RefusedCount(event->commitString());
    if (refused == 0) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    WarnOfRefused(refused);
}
