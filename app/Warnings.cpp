// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Warnings.h"

#include "platform/MessageBox.h"

void ShowMissingEntryWarning(QWidget* parent) {
    platform::ShowMessage(parent,
                          {QStringLiteral("Please enter the number of students according to "
                                          "their grades"),
                           QStringLiteral("Warning"), platform::MessageIcon::Warning});
}

void ShowInvalidEntryWarning(QWidget* parent) {
    platform::ShowMessage(parent, {QStringLiteral("Invalid Entry"), QStringLiteral("Warning"),
                                   platform::MessageIcon::None});
}
