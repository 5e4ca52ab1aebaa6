#pragma once

#include "platform/Printing.h"

namespace platform {

// Draws an image of the widget on the default printer; the work behind PrintWidgetImage.
PrintResult PrintImageNow(QWidget* widget);

}  // namespace platform
