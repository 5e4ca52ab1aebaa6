// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

#include "platform/Registry.h"

// Finds the system-information tool through the registry and starts it. Plain C++ over the
// platform's registry, file test, program start and a message callback, so that the same code
// serves every system.
namespace help {

inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

struct SysInfoServices {
    const platform::registry::Functions& (*registry)() = platform::registry::Advapi32;
    std::function<bool(const std::string& path)> isOrdinaryFile;
    std::function<bool(const std::string& path)> startProgram;
    std::function<void(const std::string& text)> showMessage;  // no icon, the program's title
};

// The platform's own services, with the given way of showing the message.
SysInfoServices PlatformSysInfoServices(std::function<void(const std::string&)> showMessage);

// Why a registry value could not be read.
enum class ReadFailure {
    KeyNotOpened,  // missing, or not open for reading
    ValueNotRead,  // missing, or longer than 1024 bytes
    NoData,        // a value of no bytes
    NoRegistryFunctions,
};

// A registry value as text, or why there is none. A text (type 1) comes without its
// terminating NUL, a number (type 4) as its decimal digits, any other type as empty text.
using KeyValue = std::variant<std::string, ReadFailure>;
KeyValue GetKeyValue(const SysInfoServices& services, std::int32_t KeyRoot,
                     const std::string& KeyName, const std::string& SubKeyRef);

// Starts the tool named by the first registry entry as it stands, or else the MSINFO32.EXE in
// the folder that the second entry names, if it is there. Any failure ends in the one message.
void StartSysInfo(const SysInfoServices& services);

}  // namespace help
