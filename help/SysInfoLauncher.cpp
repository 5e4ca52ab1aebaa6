// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/SysInfoLauncher.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <utility>
#include <variant>

#include "platform/Programs.h"

namespace help {
namespace {

namespace registry = platform::registry;

// Closes an opened key on every way out.
class OpenKey {
  public:
    OpenKey(const registry::Functions& functions, registry::Handle handle)
        : functions_(functions), handle_(handle) {}
    ~OpenKey() { functions_.RegCloseKey(handle_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

  private:
    const registry::Functions& functions_;
    registry::Handle handle_;
};

std::string DecimalText(std::uint32_t number) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    return std::string(digits, result.ptr);
}

// A value that is missing lets the second entry be tried; any other failure ends the search.
bool EndsTheSearch(ReadFailure failure) {
    return failure == ReadFailure::NoData || failure == ReadFailure::NoRegistryFunctions;
}

bool TryStartSysInfo(const SysInfoServices& services) {
    // The first entry is the tool's full path, started as it stands.
    const KeyValue path =
        GetKeyValue(services, registry::kLocalMachine, registry::kSysInfoPathKey, "PATH");
    if (const auto* tool = std::get_if<std::string>(&path)) {
        return services.startProgram(*tool);
    }
    if (EndsTheSearch(std::get<ReadFailure>(path))) {
        return false;
    }
    // The second entry is the tool's folder.
    const KeyValue folder = GetKeyValue(services, registry::kLocalMachine,
                                        "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    const auto* folderPath = std::get_if<std::string>(&folder);
    if (folderPath == nullptr) {
        return false;
    }
    const std::string tool = *folderPath + "\\MSINFO32.EXE";
    return services.isOrdinaryFile(tool) && services.startProgram(tool);
}

}  // namespace

SysInfoServices PlatformSysInfoServices(std::function<void(const std::string&)> showMessage) {
    SysInfoServices services;
    services.isOrdinaryFile = platform::IsOrdinaryFile;
    services.startProgram = platform::StartProgram;
    services.showMessage = std::move(showMessage);
    return services;
}

KeyValue GetKeyValue(const SysInfoServices& services, std::int32_t KeyRoot,
                     const std::string& KeyName, const std::string& SubKeyRef) {
    const registry::Functions* functions = nullptr;
    try {
        functions = &services.registry();
    } catch (const std::runtime_error&) {
        return ReadFailure::NoRegistryFunctions;
    }
    registry::Handle key = 0;
    // Read access is all it needs; asking for more would shut out users who may only read.
    if (functions->RegOpenKeyExA(registry::RootHandle(KeyRoot), KeyName.c_str(), 0,
                                 registry::kKeyRead, &key) != registry::kSuccess) {
        return ReadFailure::KeyNotOpened;
    }
    const OpenKey closeOnReturn(*functions, key);

    std::array<unsigned char, 1024> buffer{};
    auto length = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    if (functions->RegQueryValueExA(key, SubKeyRef.c_str(), nullptr, &type, buffer.data(),
                                    &length) != registry::kSuccess) {
        return ReadFailure::ValueNotRead;
    }
    if (length == 0) {
        return ReadFailure::NoData;
    }
    // A stored text counts its terminating NUL; drop it before the bytes become text.
    std::size_t size = std::min<std::size_t>(length, buffer.size());
    if (buffer[size - 1] == 0) {
        --size;
    }
    if (type == registry::kTypeText) {
        return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(size));
    }
    if (type == registry::kTypeNumber) {
        const std::uint32_t number = buffer[0] | (buffer[1] << 8) | (buffer[2] << 16) |
                                     (static_cast<std::uint32_t>(buffer[3]) << 24);
        return DecimalText(number);
    }
    return std::string();
}

void StartSysInfo(const SysInfoServices& services) {
    if (!TryStartSysInfo(services)) {
        services.showMessage(kSysInfoUnavailable);
    }
}

}  // namespace help
