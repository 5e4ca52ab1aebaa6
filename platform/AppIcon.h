#pragma once

#include <QIcon>

namespace platform {

// The space shuttle with its two boosters, in 32 and 16 pixels, 16 colours.
QIcon AppIcon();

}  // namespace platform
