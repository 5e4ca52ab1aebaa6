#include <QtGlobal>

#include "platform/PrintImage.h"

// The printing half of the program, kept in a module of its own where the system allows, so
// that Qt's print support is loaded only when the user first prints.
extern "C" Q_DECL_EXPORT int VantrelPrintWidgetImage(QWidget* widget, QString* reason) {
    const platform::PrintResult result = platform::PrintImageNow(widget);
    *reason = result.reason;
    return static_cast<int>(result.outcome);
}
