// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontDatabase>
#include <QStringList>

#include "platform/Fonts.h"

namespace platform {

namespace {

// The faces of Linux, carried in the program: a page can use none of the machine's. Liberation
// Sans has Arial's metrics and stands for the dialog face too; the design sets it upright,
// italic and bold italic. The build carries a copy cut down to the characters the program
// shows, under a family name of its own, which is read from the faces.
constexpr const char* kFaces[] = {":/fonts/VantrelSans-Regular.ttf",
                                  ":/fonts/VantrelSans-Italic.ttf",
                                  ":/fonts/VantrelSans-BoldItalic.ttf"};

}  // namespace

void InstallFontSubstitutes() {
    QString family;
    for (const char* face : kFaces) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face));
        if (id >= 0 && family.isEmpty()) {
            family = QFontDatabase::applicationFontFamilies(id).value(0);
        }
    }
    if (family.isEmpty()) {
        return;  // Qt's own face for the browser stands in
    }
    QFont::insertSubstitution(kArialFamily, family);
    QFont::insertSubstitution(kDialogFontFamily, family);
}

}  // namespace platform
