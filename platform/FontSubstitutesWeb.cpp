// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontDatabase>

#include "platform/Fonts.h"

namespace platform {

namespace {

// The faces of Linux, carried in the program: a page can use none of the machine's. Liberation
// Sans has Arial's metrics and stands for the dialog face too; the design sets it upright,
// italic and bold italic.
constexpr char kStandInFamily[] = "Liberation Sans";
constexpr const char* kFaces[] = {":/fonts/LiberationSans-Regular.ttf",
                                  ":/fonts/LiberationSans-Italic.ttf",
                                  ":/fonts/LiberationSans-BoldItalic.ttf"};

}  // namespace

void InstallFontSubstitutes() {
    for (const char* face : kFaces) {
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    }
    QFont::insertSubstitution(kArialFamily, kStandInFamily);
    QFont::insertSubstitution(kDialogFontFamily, kStandInFamily);
}

}  // namespace platform
