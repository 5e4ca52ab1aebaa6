#include <gtest/gtest.h>

#include <QApplication>

#include "app/Startup.h"

// Tests that take real key events from an X server; run them under with-xvfb.sh.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    PrepareApplication();  // as the program starts
    return RUN_ALL_TESTS();
}
