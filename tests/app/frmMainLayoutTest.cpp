// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

#include "app/WindowTestSupport.h"
#include "platform/Fonts.h"

namespace {

struct Placement {
    const char* name;
    int left, top, width, height;  // twips; width -1: sized to its text
};
void PrintTo(const Placement& p, std::ostream* out) {
    *out << p.name;
}

class ControlPlacement : public MainWindowTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(ControlPlacement, StandsWhereTheDesignPutsIt) {
    const Placement& p = GetParam();
    auto* control = ClientArea()->findChild<QWidget*>(QString::fromUtf8(p.name));
    ASSERT_NE(control, nullptr) << p.name;
    const QRect g = control->geometry();
    EXPECT_EQ(g.left() * 15, p.left) << p.name;
    EXPECT_EQ(g.top() * 15, p.top) << p.name;
    EXPECT_EQ(g.height() * 15, p.height) << p.name;
    if (p.width >= 0) {
        EXPECT_EQ(g.width() * 15, p.width) << p.name;
    } else {
        EXPECT_GE(g.width(), control->sizeHint().width()) << p.name << " cuts its text";
    }
    EXPECT_TRUE(ClientArea()->rect().contains(g.topLeft())) << p.name;
}

INSTANTIATE_TEST_SUITE_P(
    Design, ControlPlacement,
    ::testing::Values(
        Placement{"Aplus", 180, 600, 345, 270}, Placement{"Label2", 840, 600, 180, 270},
        Placement{"Label3", 1425, 600, 300, 270}, Placement{"Label4", 2040, 600, 165, 270},
        Placement{"Label5", 2625, 600, 315, 270}, Placement{"Label6", 3240, 600, 180, 270},
        Placement{"Label7", 3825, 600, 315, 270}, Placement{"Label8", 4440, 600, 180, 270},
        Placement{"Label9", 5040, 600, 150, 270}, Placement{"Label20", 5640, 600, 270, 270},
        Placement{"txtAplus", 135, 1080, 495, 495}, Placement{"txtA", 720, 1080, 495, 495},
        Placement{"txtBplus", 1320, 1080, 495, 495}, Placement{"txtB", 1920, 1080, 495, 495},
        Placement{"txtCplus", 2520, 1080, 495, 495}, Placement{"txtC", 3120, 1080, 495, 495},
        Placement{"txtDplus", 3720, 1080, 495, 495}, Placement{"txtD", 4320, 1080, 495, 495},
        Placement{"txtF", 4920, 1080, 495, 495}, Placement{"txtIC", 5520, 1080, 495, 495},
        Placement{"capAplus", 120, 1680, 615, 255}, Placement{"capA", 720, 1680, 615, 255},
        Placement{"capBplus", 1320, 1680, 615, 255}, Placement{"capB", 1920, 1680, 615, 255},
        Placement{"capCplus", 2520, 1680, 615, 255}, Placement{"capC", 3120, 1680, 615, 255},
        Placement{"capDplus", 3720, 1680, 615, 255}, Placement{"capD", 4320, 1680, 615, 255},
        Placement{"capF", 4920, 1680, 615, 255}, Placement{"capIC", 5520, 1680, 615, 255},
        Placement{"heading", 1800, 120, -1, 360}, Placement{"Label11", 2040, 2160, 1665, 270},
        Placement{"capStudents", 3840, 2160, 975, 270}, Placement{"Label10", 2880, 2640, 795, 270},
        Placement{"Capresult", 3720, 2640, 975, 270},
        Placement{"cmdcalculate", 120, 2280, 1695, 495},
        Placement{"CmdClear", 5400, 2280, 615, 375}, Placement{"CmdExit", 5400, 2760, 615, 375},
        Placement{"complements", 45, 3000, 1845, 210}, Placement{"Label1", 1920, 3000, -1, 195}),
    [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ClientAreaLiesBelowTheMenuBarAndIsFixed) {
    EXPECT_EQ(ClientArea()->size(), QSize(6135 / 15, 3195 / 15));
    EXPECT_EQ(ClientArea()->y(), Find<QMenuBar>(window.get(), "menuBar")->geometry().bottom() + 1);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);  // a normal window with a taskbar button
}

TEST_F(MainWindowTest, StartsEmptyWithTheFocusInTheAplusBox) {
    EXPECT_EQ(window->windowTitle(), "Vantrel");
    EXPECT_EQ(Label("heading")->text(), "Vantrel");
    EXPECT_EQ(BoxTexts(), QStringList(10, QString()));
    EXPECT_EQ(PercentTexts(), QStringList(10, QString()));
    EXPECT_TRUE(Label("capStudents")->text().isEmpty());
    EXPECT_TRUE(Label("Capresult")->text().isEmpty());
    EXPECT_EQ(Button("cmdcalculate")->text(), "C&alculate");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtAplus"));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
}

TEST_F(MainWindowTest, FixedTextsAndTooltipsAreTheDesignsOwn) {
    const QStringList grades{"A+", "A", "B+", "B", "C+", "C", "D+", "D", "F", "IC"};
    const auto boxes = CountBoxes();
    for (int i = 0; i < grades.size(); ++i) {
        EXPECT_EQ(boxes[i]->toolTip(), "Enter the number of " + grades[i] + " students");
        EXPECT_GT(boxes[i]->maxLength(), 1'000'000);
    }
    EXPECT_EQ(Label("Label20")->text(), "IC");
    EXPECT_EQ(Label("Label11")->text(), "Total Students");
    EXPECT_EQ(Label("Label10")->text(), "GPA is");
    EXPECT_EQ(Label("complements")->text(), "With the complements of");
    EXPECT_EQ(Label("Label1")->text(), "Ketharin");
    EXPECT_EQ(Button("cmdcalculate")->toolTip(), "Click to calculate GPA");
    EXPECT_EQ(Button("CmdClear")->text(), "&Clear");
    EXPECT_EQ(Button("CmdClear")->toolTip(), "Click to clear all the entries");
    EXPECT_EQ(Button("CmdExit")->text(), "E&xit");
    EXPECT_EQ(Button("CmdExit")->toolTip(), "Click to exit the Vantrel");
}

struct FontCase {
    const char* name;
    double pointSize;
    bool bold, italic;
};
void PrintTo(const FontCase& f, std::ostream* out) {
    *out << f.name;
}
class ControlFont : public MainWindowTest, public ::testing::WithParamInterface<FontCase> {};
TEST_P(ControlFont, HasTheDesignsFontInAMetricCompatibleFace) {
    auto* control = window->findChild<QWidget*>(QString::fromUtf8(GetParam().name));
    ASSERT_NE(control, nullptr);
    const QFontInfo info(control->font());
    EXPECT_EQ(info.family(), "Liberation Sans");
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), GetParam().pointSize);
    EXPECT_EQ(info.bold(), GetParam().bold);
    EXPECT_EQ(info.italic(), GetParam().italic);
}
// The classic controls set text without pair kerning: "AV" is as wide as "A" and "V" apart.
TEST_P(ControlFont, SetsTextWithoutPairKerning) {
    auto* control = window->findChild<QWidget*>(QString::fromUtf8(GetParam().name));
    ASSERT_NE(control, nullptr);
    const QFontMetricsF metrics(control->font());
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("AV")),
                     metrics.horizontalAdvance(QStringLiteral("A")) +
                         metrics.horizontalAdvance(QStringLiteral("V")));
}
INSTANTIATE_TEST_SUITE_P(
    Design, ControlFont,
    ::testing::Values(FontCase{"heading", 15.75, true, true}, FontCase{"Aplus", 12, true, true},
                      FontCase{"txtIC", 12, false, false}, FontCase{"capF", 8.25, false, false},
                      FontCase{"Capresult", 12, true, true},
                      FontCase{"cmdcalculate", 12, true, true},
                      FontCase{"CmdExit", 8.25, true, true},
                      FontCase{"complements", 8.25, false, true},
                      FontCase{"Label1", 8.25, true, true}),
    [](const ::testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

// Where a label's text begins and ends: the first and last columns with a dark pixel.
std::pair<int, int> InkColumns(QLabel* label) {
    const QImage image = label->grab().toImage();
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// Each result is set from the left edge of its label, with the free space on its right.
TEST_F(MainWindowTest, ResultsStandAtTheLeftOfTheirLabels) {
    Type(Box("txtAplus"), "3");
    Type(Box("txtB"), "1");
    QTest::keyClick(Box("txtB"), Qt::Key_Return);
    std::vector<QLabel*> results = PercentLabels();
    results.push_back(Label("capStudents"));
    results.push_back(Label("Capresult"));
    for (QLabel* label : results) {
        const auto [first, last] = InkColumns(label);
        ASSERT_LE(first, last) << label->objectName().toStdString() << " shows nothing";
        EXPECT_LE(first, 2) << label->objectName().toStdString();
        EXPECT_GT(label->width() - 1 - last, first) << label->objectName().toStdString();
    }
}

// Menus and message boxes take the application's font, the dialog face; the window's own
// controls have theirs.
TEST_F(MainWindowTest, MenusAreSetInTheDialogFont) {
    const QFont dialog = platform::Font(platform::kDialogFontFamily, 8);
    for (QMenu* menu : Find<QMenuBar>(window.get(), "menuBar")->findChildren<QMenu*>()) {
        const QFontInfo info(menu->font());
        EXPECT_EQ(info.family(), QFontInfo(dialog).family()) << menu->title().toStdString();
        EXPECT_EQ(menu->font().pointSizeF(), 8) << menu->title().toStdString();
    }
    EXPECT_EQ(QApplication::font().family(), dialog.family());
}

TEST_F(MainWindowTest, MenusHaveTheirItemsAndShortcuts) {
    EXPECT_EQ(Menu("mnuFile")->title(), "&File");
    EXPECT_EQ(Menu("mnuHelp")->title(), "&Help");
    struct Item {
        QAction* action;
        QMenu* menu;
        const char* caption;
        Qt::Key key;
    };
    for (const Item& item :
         {Item{Action("mnuFileNew"), Menu("mnuFile"), "&New", Qt::Key_F1},
          Item{Action("mnuFilePrint"), Menu("mnuFile"), "&Print", Qt::Key_F2},
          Item{Action("mnuFileExit"), Menu("mnuFile"), "E&xit", Qt::Key_F9},
          Item{Action("mnuHelpInst"), Menu("mnuHelp"), "&How to use...", Qt::Key_F5},
          Item{Action("mnuHelpAbout"), Menu("mnuHelp"), "&About", Qt::Key_F6}}) {
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->shortcut(), QKeySequence(item.key));
        EXPECT_TRUE(item.menu->actions().contains(item.action));
        EXPECT_FALSE(item.action->isCheckable());
    }
    EXPECT_EQ(Menu("mnuFile")->actions().size(), 3);
    EXPECT_EQ(Menu("mnuHelp")->actions().size(), 2);
}

TEST_F(MainWindowTest, TabRunsThroughTheBoxesInGradeOrderThenTheButtons) {
    const auto boxes = CountBoxes();
    std::vector<QWidget*> order(boxes.begin(), boxes.end());
    order.insert(order.end(), {Button("cmdcalculate"), Button("CmdClear"), Button("CmdExit")});
    for (std::size_t i = 0; i < order.size(); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << "step " << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), Box("txtAplus"));
    for (std::size_t i = order.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << "back to " << i;
    }
}

}  // namespace

// The boxes' face has no glyph for some characters a person may paste; another installed face
// must still draw them rather than an empty box.
TEST_F(MainWindowTest, BoxShowsAPastedCharacterItsFaceLacks) {
    const char32_t doubleIntegral = U'\x2230';
    if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        GTEST_SKIP() << "needs DejaVu Sans, which has the character";
    }
    QFont standInAlone = Box("txtA")->font();
    standInAlone.setStyleStrategy(QFont::NoFontMerging);
    ASSERT_FALSE(QFontMetrics(standInAlone).inFontUcs4(doubleIntegral));
    EXPECT_TRUE(QFontMetrics(Box("txtA")->font()).inFontUcs4(doubleIntegral));
}
