#include <QCoreApplication>
#include <QLibrary>

#include "platform/Printing.h"

namespace platform {
namespace {

using PrintFunction = int (*)(QWidget*, QString*);

struct PrintModule {
    PrintFunction print = nullptr;
    QString whyNot;  // why the module could not be loaded
};

// The print module lies in ../lib/vantrel beside the program's folder, installed or built.
PrintModule LoadPrintModule() {
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/../lib/vantrel/libvantrel_print"));
    auto print = reinterpret_cast<PrintFunction>(module.resolve("VantrelPrintWidgetImageOutcome"));
    return {print, print == nullptr ? module.errorString() : QString()};
}

}  // namespace

PrintResult PrintWidgetImage(QWidget* widget) {
    static const PrintModule module = LoadPrintModule();
    if (module.print == nullptr) {
        return {PrintOutcome::Failed, module.whyNot};
    }
    PrintResult result;
    result.outcome = static_cast<PrintOutcome>(module.print(widget, &result.reason));
    return result;
}

}  // namespace platform
