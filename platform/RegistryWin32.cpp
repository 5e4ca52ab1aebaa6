#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/Registry.h"

namespace platform::registry {
namespace {

static_assert(sizeof(Handle) == sizeof(HKEY) && sizeof(Status) == sizeof(LONG) &&
              sizeof(std::uint32_t) == sizeof(DWORD));

FARPROC LookUp(HMODULE library, const char* name) {
    const FARPROC function = library != nullptr ? GetProcAddress(library, name) : nullptr;
    if (function == nullptr) {
        throw std::runtime_error(std::string("registry function not found: ") + name);
    }
    return function;
}

}  // namespace

const Functions& Advapi32() {
    static const Functions functions = [] {
        const HMODULE library = LoadLibraryA("advapi32.dll");
        return Functions{
            reinterpret_cast<decltype(Functions::RegOpenKeyExA)>(LookUp(library, "RegOpenKeyExA")),
            reinterpret_cast<decltype(Functions::RegQueryValueExA)>(
                LookUp(library, "RegQueryValueExA")),
            reinterpret_cast<decltype(Functions::RegCloseKey)>(LookUp(library, "RegCloseKey")),
        };
    }();
    return functions;
}

}  // namespace platform::registry
