#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Registry.h"

// Finds the system-information tool through the registry and starts it. Plain C++ over the
// platform's registry, file test, program start and a message callback, so that the same code
// serves every system.
namespace help {

inline constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002u);
inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

struct SysInfoServices {
    const platform::registry::Functions& (*registry)() = platform::registry::Advapi32;
    std::function<bool(const std::string& path)> isOrdinaryFile;
    std::function<bool(const std::string& path)> startProgram;
    std::function<void(const std::string& text)> showMessage;  // no icon, the program's title
};

// The platform's own services, with the given way of showing the message.
SysInfoServices PlatformSysInfoServices(std::function<void(const std::string&)> showMessage);

// Reads one registry value as text into KeyVal. A text (type 1) comes without its terminating
// NUL, a number (type 4) as its decimal digits; any other type leaves KeyVal as it was. False,
// with KeyVal empty, when the key cannot be opened for reading or the value cannot be read
// (missing, or longer than 1024 bytes). Throws std::invalid_argument for a value of no bytes,
// and std::runtime_error when the registry functions cannot be found.
bool GetKeyValue(const SysInfoServices& services, std::int32_t& KeyRoot, std::string& KeyName,
                 std::string& SubKeyRef, std::string& KeyVal);

// Starts the tool named by the first registry entry as it stands, or else the MSINFO32.EXE in
// the folder that the second entry names, if it is there. Any failure ends in the one message.
void StartSysInfo(const SysInfoServices& services);

}  // namespace help
