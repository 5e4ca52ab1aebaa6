#pragma once

#include <cstdint>

// Decides on one typed character of a count box: Backspace (8) and the digits 0 to 9 pass
// unchanged; any other code is set to 0, which tells the box to drop the character.
void CountBoxKeyFilter(std::int16_t& KeyAscii);
