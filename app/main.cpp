#include <QApplication>

#include "app/Startup.h"
#include "app/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();

    frmMain window;
    window.show();
    return app.exec();
}
