// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDialog;
class QLabel;
class QString;
class QWidget;

// What screen readers say about a window beyond its controls' own names.
namespace platform {

// A label read after its caption, the label whose buddy it is: "GPA is 2.75".
QString ReadWithCaption(const QLabel* label);

// Gives the window, as its accessible description, what the labels in the area show at the
// moment a reader asks, in reading order, each caption with the label it captions. Screen
// readers say it when the window comes up; a change is not told as it happens.
void DescribeWindow(QDialog* window, const QWidget* area);

}  // namespace platform
