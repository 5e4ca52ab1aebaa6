#include <QtGlobal>

#include "platform/PrintImage.h"

// The printing half of the program, kept in a module of its own where the system allows, so
// that Qt's print support is loaded only when the user first prints.
extern "C" Q_DECL_EXPORT bool VantrelPrintWidgetImage(QWidget* widget) {
    return platform::PrintImageNow(widget);
}
