// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/frmMain.h"

namespace {

// Each test here starts from a fresh process (CTest runs them one by one), so what a test finds
// loaded is what start-up loaded.
class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<frmMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->grab();  // the first paint
    }

    std::unique_ptr<frmMain> window;
};

TEST_F(StartupTest, FirstPaintLoadsNoImageFormatPlugin) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "no /proc/self/maps here";
    }
    const QByteArray mapped = maps.readAll();
    EXPECT_FALSE(mapped.contains("/imageformats/")) << mapped.constData();
}

// The menu bar's overflow button, shown only when the menus do not fit, still shows the style's
// arrow once it is drawn.
TEST_F(StartupTest, MenuBarOverflowButtonShowsTheStylesArrow) {
    auto* overflow = window->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_NE(overflow, nullptr);
    auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const QIcon expected = style->baseStyle()->standardIcon(
        QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, overflow);
    ASSERT_FALSE(expected.isNull());

    EXPECT_FALSE(overflow->icon().isNull());
    EXPECT_EQ(overflow->icon().pixmap(16, 16).toImage(), expected.pixmap(16, 16).toImage());
    EXPECT_FALSE(overflow->isVisible());
}

}  // namespace
