// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The main window's two warnings, both titled "Warning".
void ShowMissingEntryWarning(QWidget* parent);  // with the warning icon
void ShowInvalidEntryWarning(QWidget* parent);  // "Invalid Entry", no icon
