// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The recording bridge below is linked into the tests, not loaded from a folder.
#define QT_STATICPLUGIN

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleBridge>
#include <QtPlugin>

#include "app/WindowTestSupport.h"

// Every accessibility event the program sends, as a screen reader's bridge gets it. Qt hands the
// events to the bridges of its platform's layer, here the offscreen one, where no reader is.
class RecordingBridge : public QAccessibleBridge {
  public:
    static inline QStringList heard;
    static inline int windowDescriptionChanges = 0;
    static inline QStringList renamed;  // the objects whose name (a label's text) changed

    void setRootObject(QAccessibleInterface*) override {}

    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        const auto* widget = qobject_cast<const QWidget*>(event->object());
        const bool aboutWindow = widget != nullptr && widget->isWindow();
        QAccessibleInterface* accessible = event->accessibleInterface();
        switch (event->type()) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            case QAccessible::Announcement:
                heard << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
                break;
#endif
            case QAccessible::ObjectShow:
                // A notification that shows is read out by itself.
                if (accessible != nullptr && accessible->role() == QAccessible::Notification) {
                    heard << accessible->text(QAccessible::Name);
                }
                break;
            case QAccessible::ValueChanged:
                // A window's value change is raised as a notification on Windows.
                if (aboutWindow) {
                    heard << static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
                }
                break;
            case QAccessible::NameChanged:
                if (event->object() != nullptr) {
                    renamed << event->object()->objectName();
                }
                break;
            case QAccessible::DescriptionChanged:
                // A change told while the focus is in the window has Orca 48 say the whole
                // description at once.
                windowDescriptionChanges += aboutWindow ? 1 : 0;
                break;
            default:
                break;
        }
    }
};

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "RecordingBridge.json")
  public:
    QAccessibleBridge* create(const QString&) override {
        // Qt keeps the bridge for the process's life, and may never delete it: held here too, it
        // stays reachable, and no leak checker takes it for lost.
        static QAccessibleBridge* bridge = nullptr;
        bridge = new RecordingBridge;
        return bridge;
    }
};

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
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
    auto described = [accessible] { return accessible->text(QAccessible::Description); };
    const QString credit = "With the complements of " + Label("Label1")->text();
    EXPECT_EQ(accessible->role(), QAccessible::Dialog);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Vantrel");
    EXPECT_EQ(described(), "A+, A, B+, B, C+, C, D+, D, F, IC. Total Students. GPA is. " + credit);
    Calculate();
    EXPECT_EQ(described(),
              "A+ 3.13%, A 0.00%, B+ 0.00%, B 0.00%, C+ 96.88%, C 0.00%, D+ 0.00%, D 0.00%, "
              "F 0.00%, IC 0.00%. Total Students 32. GPA is 2.55. " +
                  credit);
    QTest::keyClick(Box("txtCplus"), Qt::Key_Escape);
    EXPECT_EQ(described(), "A+, A, B+, B, C+, C, D+, D, F, IC. Total Students. GPA is. " + credit);
}

// What screen readers are told to say by themselves, whatever the way it goes out, and whether
// they were told that the window's description changed, from the moment it is made.
class Announcements {
  public:
    Announcements() {
        RecordingBridge::heard.clear();
        RecordingBridge::windowDescriptionChanges = 0;
        RecordingBridge::renamed.clear();
    }
    QStringList heard() const { return RecordingBridge::heard; }
    int windowDescriptionChanges() const { return RecordingBridge::windowDescriptionChanges; }
    QStringList renamed() const { return RecordingBridge::renamed; }
};

// After Calculate the focus stays in the box, so the result is announced, with nothing new on
// screen.
TEST_F(ScreenReaderTest, CalculateAnnouncesTheGpaAndTotal) {
    Announcements announcements;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    Calculate();
    EXPECT_EQ(announcements.heard(), QStringList{"GPA is 2.55, Total Students 32"});
    EXPECT_EQ(announcements.windowDescriptionChanges(), 0);
    EXPECT_EQ(window->findChildren<QWidget*>(), widgets);
    EXPECT_EQ(QApplication::focusWidget(), Box("txtCplus"));
}

// A warning, Clear and New announce nothing: the message box speaks for itself, and an emptied
// window has no result to say.
TEST_F(ScreenReaderTest, WarningsAndClearingAnnounceNothing) {
    Announcements announcements;
    QTest::keyClick(Box("txtAplus"), Qt::Key_Return);
    Type(Box("txtAplus"), "1x");
    QTest::keyClick(Box("txtAplus"), Qt::Key_Escape);
    Type(Box("txtB"), "3");
    Action("mnuFileNew")->trigger();
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(announcements.heard(), QStringList());
    EXPECT_EQ(announcements.windowDescriptionChanges(), 0);
}

// Emptying the results tells readers of each label that its text changed, so that none goes on
// reading a result that is gone; New keeps the total.
TEST_F(ScreenReaderTest, ClearAndNewTellReadersTheResultsAreGone) {
    QStringList emptied{"Capresult"};
    for (QLabel* label : PercentLabels()) {
        emptied << label->objectName();
    }
    Calculate();
    Announcements afterNew;
    Action("mnuFileNew")->trigger();
    for (const QString& name : emptied) {
        EXPECT_TRUE(afterNew.renamed().contains(name)) << "New: " << name.toStdString();
    }
    EXPECT_FALSE(afterNew.renamed().contains("capStudents"));

    Calculate();
    Announcements afterClear;
    Button("CmdClear")->click();
    for (const QString& name : emptied + QStringList{"capStudents"}) {
        EXPECT_TRUE(afterClear.renamed().contains(name)) << "Clear: " << name.toStdString();
    }
}

}  // namespace

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

#include "ScreenReaderTest.moc"
