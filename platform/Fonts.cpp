#include "platform/Fonts.h"

#include <QStringList>

namespace platform {
namespace {

// Liberation Sans has Arial's metrics; it is also the closest installed match in width to the
// narrow bitmap dialog face, and unlike a bitmap face it scales on dense screens.
constexpr char kStandInFamily[] = "Liberation Sans";

}  // namespace

void InstallFontSubstitutes() {
    QFont::insertSubstitution(kArialFamily, kStandInFamily);
    QFont::insertSubstitution(kDialogFontFamily, kStandInFamily);
}

QFont Font(const char* family, double pointSize, bool bold, bool italic) {
    // The stand-in is asked for by name first, which spares the font system a search for
    // substitutes of a face it does not have.
    QFont font;
    font.setFamilies(QStringList{QString::fromLatin1(kStandInFamily), QString::fromLatin1(family)});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace platform
