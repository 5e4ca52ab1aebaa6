#pragma once

class QWidget;

namespace platform {

// Asks the desktop to keep a top-level window out of its taskbar. Call it before the window is
// first shown. Does nothing where the desktop offers no such hint.
void KeepOutOfTaskbar(QWidget* window);

}  // namespace platform
