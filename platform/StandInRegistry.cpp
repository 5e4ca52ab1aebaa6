// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/StandInRegistry.h"

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "platform/Registry.h"

namespace platform::registry {
namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::optional<std::string> FindOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? "" : folders.substr(colon + 1);
        if (folder.empty()) {
            continue;
        }
        const std::filesystem::path candidate = std::filesystem::path(folder) / program;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

Content DesktopContent() {
    Content content;
    for (const char* program : kSystemInfoPrograms) {
        if (const auto found = FindOnPath(program)) {
            content[kSysInfoPathKey]["PATH"] = TextValue(*found);
            break;
        }
    }
    return content;
}

struct State {
    std::optional<Content> testContent;
    std::map<Handle, std::map<std::string, Value>> openKeys;  // values by upper-case name
    Handle nextHandle = 0x1000;
};

State& TheState() {
    static State state;
    return state;
}

Status OpenKey(Handle root, const char* subKey, std::uint32_t options, std::uint32_t access,
               Handle* result) {
    if (result == nullptr || subKey == nullptr || options != 0) {
        return 87;  // ERROR_INVALID_PARAMETER
    }
    if (root != RootHandle(kLocalMachine)) {
        return kFileNotFound;
    }
    State& state = TheState();
    const Content content = state.testContent ? *state.testContent : DesktopContent();
    const std::string wanted = Upper(subKey);
    const auto key = std::find_if(content.begin(), content.end(),
                                  [&](const auto& entry) { return Upper(entry.first) == wanted; });
    if (key == content.end()) {
        return kFileNotFound;
    }
    if ((access & kKeyWriteRights) != 0) {
        return kAccessDenied;  // the local machine's keys are read-only for a user
    }
    std::map<std::string, Value> values;
    for (const auto& [name, value] : key->second) {
        values[Upper(name)] = value;
    }
    *result = state.nextHandle++;
    state.openKeys[*result] = std::move(values);
    return kSuccess;
}

Status QueryValue(Handle key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                  unsigned char* data, std::uint32_t* dataLength) {
    State& state = TheState();
    const auto open = state.openKeys.find(key);
    if (open == state.openKeys.end()) {
        return kInvalidHandle;
    }
    if (reserved != nullptr || (data != nullptr && dataLength == nullptr)) {
        return 87;
    }
    const auto value = open->second.find(Upper(valueName != nullptr ? valueName : ""));
    if (value == open->second.end()) {
        return kFileNotFound;
    }
    if (type != nullptr) {
        *type = value->second.type;
    }
    const auto size = static_cast<std::uint32_t>(value->second.data.size());
    if (dataLength == nullptr) {
        return kSuccess;
    }
    const std::uint32_t room = *dataLength;
    *dataLength = size;
    if (data == nullptr) {
        return kSuccess;
    }
    if (size > room) {
        return kMoreData;
    }
    std::copy(value->second.data.begin(), value->second.data.end(), data);
    return kSuccess;
}

Status CloseKey(Handle key) {
    return TheState().openKeys.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

// Found by name, as advapi32's exports are.
using AnyFunction = void (*)();
const std::map<std::string_view, AnyFunction>& ExportsByName() {
    static const std::map<std::string_view, AnyFunction> exports{
        {"RegOpenKeyExA", reinterpret_cast<AnyFunction>(&OpenKey)},
        {"RegQueryValueExA", reinterpret_cast<AnyFunction>(&QueryValue)},
        {"RegCloseKey", reinterpret_cast<AnyFunction>(&CloseKey)},
    };
    return exports;
}

template <typename Function>
Function LookUp(std::string_view name) {
    const auto found = ExportsByName().find(name);
    if (found == ExportsByName().end()) {
        throw std::runtime_error("registry function not found: " + std::string(name));
    }
    return reinterpret_cast<Function>(found->second);
}

}  // namespace

const Functions& Advapi32() {
    static const Functions functions{
        LookUp<decltype(Functions::RegOpenKeyExA)>("RegOpenKeyExA"),
        LookUp<decltype(Functions::RegQueryValueExA)>("RegQueryValueExA"),
        LookUp<decltype(Functions::RegCloseKey)>("RegCloseKey"),
    };
    return functions;
}

void SetStandInContent(Content content) {
    TheState().testContent = std::move(content);
}

void RestoreDesktopRegistry() {
    TheState().testContent.reset();
}

Value TextValue(const std::string& text, bool withNul) {
    Value value{kTypeText, std::vector<unsigned char>(text.begin(), text.end())};
    if (withNul) {
        value.data.push_back(0);
    }
    return value;
}

Value NumberValue(std::uint32_t number) {
    return {kTypeNumber,
            {static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
             static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)}};
}

}  // namespace platform::registry
