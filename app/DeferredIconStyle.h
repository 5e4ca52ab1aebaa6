// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// The application's style, with one change: the menu bar's overflow button gets its picture
// only when the button is first drawn. Qt asks for that picture when it makes a menu bar, and
// reading it loads every image-format plugin, while this window's menu bar never overflows.
class DeferredIconStyle : public QProxyStyle {
  public:
    explicit DeferredIconStyle(const QString& baseStyleName);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
