#include "platform/Fonts.h"

namespace platform {

void InstallFontSubstitutes() {
    // Liberation Sans has Arial's metrics; it is also the closest installed match in width to
    // the narrow bitmap dialog face, and unlike a bitmap face it scales on dense screens.
    QFont::insertSubstitution(kArialFamily, "Liberation Sans");
    QFont::insertSubstitution(kDialogFontFamily, "Liberation Sans");
}

QFont Font(const char* family, double pointSize, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace platform
