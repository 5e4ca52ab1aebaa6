// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/Registry.h"

namespace platform::registry {
namespace {

static_assert(sizeof(Handle) == sizeof(HKEY) && sizeof(Status) == sizeof(LONG) &&
              sizeof(std::uint32_t) == sizeof(DWORD));

template <typename Function>
Function LookUp(HMODULE library, const char* name) {
    const FARPROC function = library != nullptr ? GetProcAddress(library, name) : nullptr;
    if (function == nullptr) {
        throw std::runtime_error(std::string("registry function not found: ") + name);
    }
    // Through the generic function type, which any function pointer may be cast to and from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

}  // namespace

const Functions& Advapi32() {
    static const Functions functions = [] {
        const HMODULE library = LoadLibraryA("advapi32.dll");
        return Functions{
            LookUp<decltype(Functions::RegOpenKeyExA)>(library, "RegOpenKeyExA"),
            LookUp<decltype(Functions::RegQueryValueExA)>(library, "RegQueryValueExA"),
            LookUp<decltype(Functions::RegCloseKey)>(library, "RegCloseKey"),
        };
    }();
    return functions;
}

}  // namespace platform::registry
