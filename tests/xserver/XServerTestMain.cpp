// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestApplication.h"

// Tests that take real key events from an X server; run them under with-xvfb.sh.
int main(int argc, char* argv[]) {
    return RunTestsInProgramApplication(argc, argv);
}
