// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class PrintOutcome { Printed, NoPrinter, Failed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    QString reason;  // why it failed, where the system says
};

// Prints an image of the widget as it is on screen, on the default printer, with no dialog:
// at its on-screen size, at the top left inside the page margins.
PrintResult PrintWidgetImage(QWidget* widget);

}  // namespace platform
