// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that shows a result. Screen readers read it as any label, by what it shows, after
// its caption (the label whose buddy it is), and can read the result as text.
class ResultLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ResultLabel(const QString& accessibleDescription, QWidget* parent = nullptr);
};
