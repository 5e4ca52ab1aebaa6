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

// Prints an image of the widget as it is on screen, at its on-screen size. On the desktops it goes
// to the default printer with no dialog, at the top left inside the page margins; a page has no
// printer of its own to reach, so in the browser the image is handed to the browser's printing,
// whose dialog the user answers (the outcome is then Printed).
PrintResult PrintWidgetImage(QWidget* widget);

}  // namespace platform
