// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBox.h"

namespace platform {

// The system's own modal message box with one OK button; ShowMessage's default.
void ShowModalBox(QWidget* parent, const Message& message);

}  // namespace platform
