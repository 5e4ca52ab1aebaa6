// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

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

// The print module lies in the program's library folder beside its own folder (the build puts
// that folder's path from the prefix in VANTREL_MODULE_DIR), installed or built.
PrintModule LoadPrintModule() {
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/../" VANTREL_MODULE_DIR "/libvantrel_print"));
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
