#include <gtest/gtest.h>

#include <QApplication>

#include "platform/Fonts.h"

// Tests that take real key events from an X server; run them under with-xvfb.sh.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
