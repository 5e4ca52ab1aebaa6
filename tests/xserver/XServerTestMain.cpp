#include "TestApplication.h"

// Tests that take real key events from an X server; run them under with-xvfb.sh.
int main(int argc, char* argv[]) {
    return RunTestsInProgramApplication(argc, argv);
}
