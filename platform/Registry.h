// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The three registry functions of advapi32, with their Windows signatures and status codes.
// On Windows they are the system's own; elsewhere a stand-in registry answers them.
// The registry functions use the Windows API calling convention (it matters on 32-bit x86).
#ifdef _WIN32
#define VANTREL_WINAPI __stdcall
#else
#define VANTREL_WINAPI
#endif

namespace platform::registry {

using Handle = std::uintptr_t;  // an HKEY
using Status = std::int32_t;    // a LONG status code

inline constexpr Status kSuccess = 0;
inline constexpr Status kFileNotFound = 2;
inline constexpr Status kAccessDenied = 5;
inline constexpr Status kInvalidHandle = 6;
inline constexpr Status kMoreData = 234;

inline constexpr std::uint32_t kTypeText = 1;            // REG_SZ
inline constexpr std::uint32_t kTypeExpandableText = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kTypeNumber = 4;          // REG_DWORD, least significant byte first

inline constexpr std::uint32_t kKeyRead = 0x20019;      // KEY_READ
inline constexpr std::uint32_t kKeyAllBut = 0x2003F;    // read control and all six key rights
inline constexpr std::uint32_t kKeyWriteRights = 0x26;  // set value, create subkey, create link

// HKEY_LOCAL_MACHINE as the 32-bit value programs pass for it.
inline constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002u);

// Where Windows records the system-information tool: its full path, as the value PATH.
inline constexpr char kSysInfoPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// A predefined root handle from its signed 32-bit value, as Windows widens it.
inline Handle RootHandle(std::int32_t root) {
    return static_cast<Handle>(static_cast<std::intptr_t>(root));
}

struct Functions {
    Status(VANTREL_WINAPI* RegOpenKeyExA)(Handle root, const char* subKey, std::uint32_t options,
                                          std::uint32_t access, Handle* result);
    Status(VANTREL_WINAPI* RegQueryValueExA)(Handle key, const char* valueName,
                                             std::uint32_t* reserved, std::uint32_t* type,
                                             unsigned char* data, std::uint32_t* dataLength);
    Status(VANTREL_WINAPI* RegCloseKey)(Handle key);
};

// The functions, looked up by name when first asked for. Throws std::runtime_error when one
// cannot be found.
const Functions& Advapi32();

}  // namespace platform::registry
