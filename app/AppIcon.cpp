#include "app/AppIcon.h"

#include <QPixmap>

#include "app/shuttle16.xpm"
#include "app/shuttle32.xpm"

QIcon AppIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(shuttle32_xpm));
    icon.addPixmap(QPixmap(shuttle16_xpm));
    return icon;
}
