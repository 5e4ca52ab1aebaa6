#pragma once

class QWidget;

namespace platform {

// Draws an image of the widget on the default printer; the work behind PrintWidgetImage.
bool PrintImageNow(QWidget* widget);

}  // namespace platform
