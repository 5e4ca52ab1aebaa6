#pragma once

class QLabel;
class QString;
class QWidget;

// What screen readers say about a window beyond its controls' own names.
namespace platform {

// A label read after its caption, the label whose buddy it is: "GPA is 2.75".
QString ReadWithCaption(const QLabel* label);

// Gives the window, as its accessible description, what the labels in its area show, in reading
// order, each caption with the label it captions. Screen readers say it when the window comes up.
void DescribeWindow(QWidget* window, const QWidget* area);

// Has screen readers say the message now, leaving the focus where it is and the screen as it is.
// Heard where the accessibility layer passes a shown notification on (AT-SPI: Orca); Qt 6.4's
// layer for Windows (UI Automation) passes neither event on, so Narrator and NVDA hear nothing.
void Announce(QWidget* window, const QString& message);

}  // namespace platform
