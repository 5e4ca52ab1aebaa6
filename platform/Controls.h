// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <Qt>

class QAbstractButton;
class QDialog;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

// Controls placed as the window designs give them: by name, at a rectangle in pixels made with
// TwipsRect.
namespace platform {

// A plain-text label, its text at the top of its rectangle with the given horizontal alignment.
QLabel* PlaceLabel(QLabel* label, const char* name, const QRect& rect,
                   Qt::Alignment alignment = Qt::AlignLeft);
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                 Qt::Alignment alignment = Qt::AlignLeft);

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& rect);

// Esc presses the window's cancel button wherever the focus is in it; with none, Esc does
// nothing, as in a window that has no cancel button.
void SetCancelButton(QDialog* window, QAbstractButton* cancel);

}  // namespace platform
