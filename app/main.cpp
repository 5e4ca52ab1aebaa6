#include <QApplication>

#include "app/AppIcon.h"
#include "app/AppInfo.h"
#include "app/frmMain.h"
#include "platform/Fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromUtf8(appinfo::kTitle));
    QApplication::setWindowIcon(AppIcon());
    platform::InstallFontSubstitutes();

    frmMain window;
    window.show();
    return app.exec();
}
