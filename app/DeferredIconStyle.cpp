// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <optional>

namespace {

// Stands for one of a style's standard icons and asks the style for it on first use.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

  private:
    const QIcon& Icon() {
        if (!icon_) {
            icon_ = style_ ? style_->standardIcon(which_) : QIcon();
        }
        return *icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
