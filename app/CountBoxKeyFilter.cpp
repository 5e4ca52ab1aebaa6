#include "app/CountBoxKeyFilter.h"

void CountBoxKeyFilter(std::int16_t& KeyAscii) {
    constexpr std::int16_t kBackspace = 8;
    if (KeyAscii == kBackspace || (KeyAscii >= '0' && KeyAscii <= '9')) {
        return;
    }
    KeyAscii = 0;
}
