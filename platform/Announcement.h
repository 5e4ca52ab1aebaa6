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

// Gives the window, as its accessible description, what the labels in its area (its child of
// that name) show at the moment a reader asks, in reading order, each caption with the label it
// captions. Screen readers say it when the window comes up; a change is not told as it happens.
// Called first thing in the window's constructor: the window's title already makes Qt ask about
// the window, and Qt keeps the answer for the window's life.
void DescribeWindow(QDialog* window, const QString& areaName);

// Has screen readers say the message now, leaving the focus where it is and the screen as it is.
// It goes out one way only. From Qt 6.8 on, through Qt's announcement event, which AT-SPI and UI
// Automation pass on. Before, on Windows, through a value change, which Qt's UI Automation layer
// raises as a notification; elsewhere through a notification object that shows, which AT-SPI
// passes on (Orca speaks it).
void Announce(QWidget* window, const QString& message);

}  // namespace platform
