// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QString>

// A count box: a line edit that lets through only the characters the key filter accepts.
// Every character that a key press or an input method produces is examined before the box
// inserts it, and each refused one shows "Invalid Entry". A key press with a refused character
// leaves the box as it was; an input method's commit puts in its digits alone. Keys that make
// no character (arrows, Delete, function keys, Tab, access keys) and pastes with the mouse or
// Shift+Insert are not examined.
class CountBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit CountBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    // The characters a key press produces, as a desktop text box sees them.
    static QString TypedCharacters(const QKeyEvent& event);
    // The characters that the key filter takes, in order.
    static QString Accepted(const QString& characters);
    // How many of the characters the key filter refuses.
    static int RefusedCount(const QString& characters);
    // "Invalid Entry", once for each refused character.
    void WarnOfRefused(int refused);
};
