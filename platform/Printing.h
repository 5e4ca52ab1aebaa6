#pragma once

class QWidget;

namespace platform {

// Prints an image of the widget as it is on screen, on the default printer, with no dialog:
// at its on-screen size, at the top left inside the page margins. False when there is no
// default printer or the print job cannot start.
bool PrintWidgetImage(QWidget* widget);

}  // namespace platform
