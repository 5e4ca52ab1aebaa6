#include <gtest/gtest.h>

#include <QAccessible>

#include "app/WindowTestSupport.h"

namespace {

// What screen readers get from the main window, besides the boxes' names.
class ScreenReaderTest : public MainWindowTest {
  protected:
    void Calculate() {
        Type(Box("txtAplus"), "1");
        Type(Box("txtCplus"), "31");
        Box("txtCplus")->setFocus();
        QTest::keyClick(Box("txtCplus"), Qt::Key_Return);
    }
};

// What a screen reader gets: each result by what it shows, labelled by its caption, with the
// shown text as its text; an empty result has no name.
TEST_F(ScreenReaderTest, EachResultIsReadAfterItsCaption) {
    auto read = [](QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QAccessibleTextInterface* text = accessible->textInterface();
        const auto captions = accessible->relations(QAccessible::Label);
        return QStringList{captions.size() == 1 ? captions[0].first->text(QAccessible::Name) : "?",
                           accessible->text(QAccessible::Name),
                           text != nullptr ? text->text(0, text->characterCount()) : "?"};
    };
    EXPECT_EQ(read(Label("Capresult")), QStringList({"GPA is", "", ""}));

    Calculate();
    EXPECT_EQ(read(Label("Capresult")), QStringList({"GPA is", "2.55", "2.55"}));
    EXPECT_EQ(read(Label("capStudents")), QStringList({"Total Students", "32", "32"}));
    EXPECT_EQ(read(Label("capAplus")), QStringList({"A+", "3.13%", "3.13%"}));
    EXPECT_EQ(read(Label("capIC")), QStringList({"IC", "0.00%", "0.00%"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Label("capIC"))->text(QAccessible::Description),
              "Percentage of the class with grade IC");
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Box("txtCplus"));
    EXPECT_EQ(box->text(QAccessible::Name), "C+ students");
    EXPECT_EQ(box->text(QAccessible::Description), "Enter the number of C+ students");
}

// What a screen reader says when the window comes up: the captions in reading order, each with
// the result it captions once there is one; the heading is the window's title.
TEST_F(ScreenReaderTest, TheWindowDescribesItsCaptionsAndResults) {
    const QString credit = "With the complements of " + Label("Label1")->text();
    EXPECT_EQ(window->accessibleDescription(),
              "A+, A, B+, B, C+, C, D+, D, F, IC. Total Students. GPA is. " + credit);
    Calculate();
    EXPECT_EQ(window->accessibleDescription(),
              "A+ 3.13%, A 0.00%, B+ 0.00%, B 0.00%, C+ 96.88%, C 0.00%, D+ 0.00%, D 0.00%, "
              "F 0.00%, IC 0.00%. Total Students 32. GPA is 2.55. " +
                  credit);
    QTest::keyClick(Box("txtCplus"), Qt::Key_Escape);
    EXPECT_EQ(window->accessibleDescription(),
              "A+, A, B+, B, C+, C, D+, D, F, IC. Total Students. GPA is. " + credit);
}

// After Calculate the focus stays in the box, so the result is announced: a notification that
// is no widget and no part of the window.
TEST_F(ScreenReaderTest, CalculateAnnouncesTheGpaAndTotal) {
    EXPECT_EQ(window->findChild<QObject*>("announcement"), nullptr);
    Calculate();
    QObject* announcement = window->findChild<QObject*>("announcement");
    ASSERT_NE(announcement, nullptr);
    EXPECT_FALSE(announcement->isWidgetType());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcement);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Notification);
    EXPECT_EQ(accessible->text(QAccessible::Name), "GPA is 2.55, Total Students 32");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtCplus"));
}

}  // namespace
