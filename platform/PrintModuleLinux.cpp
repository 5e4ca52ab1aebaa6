// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtGlobal>

#include "platform/PrintImage.h"

// The printing half of the program, kept in a module of its own where the system allows, so
// that Qt's print support is loaded only when the user first prints. The function's name says
// what it returns, so that a module of an older build, which returned a bool, is never called.
extern "C" Q_DECL_EXPORT int VantrelPrintWidgetImageOutcome(QWidget* widget, QString* reason) {
    const platform::PrintResult result = platform::PrintImageNow(widget);
    *reason = result.reason;
    return static_cast<int>(result.outcome);
}
