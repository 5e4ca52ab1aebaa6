// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The registry where Windows has none. By default it holds only what this desktop really has:
// under HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, the value PATH names the
// first well-known system-information program found on PATH at the time of the query. Like
// every key of the local machine for an ordinary user, its keys may be read but not written.
namespace platform::registry {

struct Value {
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
};

// Key paths below HKEY_LOCAL_MACHINE (compared without regard to case) and their values.
using Content = std::map<std::string, std::map<std::string, Value>>;

// Replaces what the stand-in holds, for tests; RestoreDesktopRegistry() goes back.
void SetStandInContent(Content content);
void RestoreDesktopRegistry();

// A text value as Windows stores it, with its terminating NUL unless told otherwise.
Value TextValue(const std::string& text, bool withNul = true);
Value NumberValue(std::uint32_t number);

// The system-information programs looked for, in this order.
inline constexpr const char* kSystemInfoPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter"};

}  // namespace platform::registry
