// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Programs.h"

namespace platform {

// A page can start no program of the machine: there is never a system-information tool to find.
bool IsOrdinaryFile(const std::string&) {
    return false;
}

bool StartProgram(const std::string&) {
    return false;
}

}  // namespace platform
