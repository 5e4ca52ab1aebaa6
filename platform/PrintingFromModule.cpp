#include "platform/Printing.h"

#include <QCoreApplication>
#include <QLibrary>

namespace platform {
namespace {

using PrintFunction = bool (*)(QWidget*);

// The print module lies in ../lib/vantrel beside the program's folder, installed or built.
PrintFunction LoadPrintModule() {
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/../lib/vantrel/libvantrel_print"));
    return reinterpret_cast<PrintFunction>(module.resolve("VantrelPrintWidgetImage"));
}

}  // namespace

bool PrintWidgetImage(QWidget* widget) {
    static const PrintFunction print = LoadPrintModule();
    return print != nullptr && print(widget);
}

}  // namespace platform
