// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program sets up once its QApplication exists, before the first window.
void PrepareApplication();
