#include "help/SysInfoLauncher.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <utility>

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

bool TryStartSysInfo(const SysInfoServices& services) {
    std::int32_t root = kLocalMachine;
    std::string keyName = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    std::string valueName = "PATH";
    std::string toolPath;
    // The first entry is the tool's full path, started as it stands.
    if (!GetKeyValue(services, root, keyName, valueName, toolPath)) {
        // The second entry is the tool's folder.
        keyName = "SOFTWARE\\Microsoft\\Shared Tools Location";
        valueName = "MSINFO";
        if (!GetKeyValue(services, root, keyName, valueName, toolPath)) {
            return false;
        }
        if (!services.isOrdinaryFile(toolPath + "\\MSINFO32.EXE")) {
            return false;
        }
        toolPath += "\\MSINFO32.EXE";
    }
    return services.startProgram(toolPath);
}

}  // namespace

SysInfoServices PlatformSysInfoServices(std::function<void(const std::string&)> showMessage) {
    SysInfoServices services;
    services.isOrdinaryFile = platform::IsOrdinaryFile;
    services.startProgram = platform::StartProgram;
    services.showMessage = std::move(showMessage);
    return services;
}

bool GetKeyValue(const SysInfoServices& services, std::int32_t& KeyRoot, std::string& KeyName,
                 std::string& SubKeyRef, std::string& KeyVal) {
    const registry::Functions& functions = services.registry();
    registry::Handle key = 0;
    // Read access is all it needs; asking for more would shut out users who may only read.
    if (functions.RegOpenKeyExA(registry::RootHandle(KeyRoot), KeyName.c_str(), 0,
                                registry::kKeyRead, &key) != registry::kSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closeOnReturn(functions, key);

    std::array<unsigned char, 1024> buffer{};
    auto length = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    if (functions.RegQueryValueExA(key, SubKeyRef.c_str(), nullptr, &type, buffer.data(),
                                   &length) != registry::kSuccess) {
        KeyVal.clear();
        return false;
    }
    if (length == 0) {
        throw std::invalid_argument("registry value without data");
    }
    // A stored text counts its terminating NUL; drop it before the bytes become text.
    std::size_t size = std::min<std::size_t>(length, buffer.size());
    if (buffer[size - 1] == 0) {
        --size;
    }
    if (type == registry::kTypeText) {
        KeyVal.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(size));
    } else if (type == registry::kTypeNumber) {
        const std::uint32_t number = buffer[0] | (buffer[1] << 8) | (buffer[2] << 16) |
                                     (static_cast<std::uint32_t>(buffer[3]) << 24);
        KeyVal = DecimalText(number);
    }
    return true;
}

void StartSysInfo(const SysInfoServices& services) {
    bool started = false;
    try {
        started = TryStartSysInfo(services);
    } catch (const std::exception&) {
        started = false;  // every failure ends in the one message below
    }
    if (!started) {
        services.showMessage(kSysInfoUnavailable);
    }
}

}  // namespace help
