// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include "app/Startup.h"

// Runs a test program's tests in an application started as the program starts its own, so that
// what the tests see (style, icon, dialog font) is what a person sees.
inline int RunTestsInProgramApplication(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    PrepareApplication();
    return RUN_ALL_TESTS();
}
