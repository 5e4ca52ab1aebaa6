#include <QApplication>

#include "app/AppIcon.h"
#include "app/frmMain.h"
#include "platform/Fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(AppIcon());
    platform::InstallFontSubstitutes();

    frmMain window;
    window.show();
    return app.exec();
}
