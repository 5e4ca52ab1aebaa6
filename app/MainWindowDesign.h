// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "grades/GradeScale.h"

// The main window's design: its controls' names and where they stand, in twips.
namespace main_window_design {

inline constexpr int kClientWidth = 6135;
inline constexpr int kClientHeight = 3195;

// One grade's column: its caption, its count box and the label with its share, in scale order.
struct ColumnDesign {
    const char* captionName;
    const char* boxName;
    const char* percentName;
    int captionLeft;
    int captionWidth;
    int boxLeft;
    int percentLeft;
};
inline constexpr std::array<ColumnDesign, grades::kCategoryCount> kGradeColumns{{
    {"Aplus", "txtAplus", "capAplus", 180, 345, 135, 120},
    {"Label2", "txtA", "capA", 840, 180, 720, 720},
    {"Label3", "txtBplus", "capBplus", 1425, 300, 1320, 1320},
    {"Label4", "txtB", "capB", 2040, 165, 1920, 1920},
    {"Label5", "txtCplus", "capCplus", 2625, 315, 2520, 2520},
    {"Label6", "txtC", "capC", 3240, 180, 3120, 3120},
    {"Label7", "txtDplus", "capDplus", 3825, 315, 3720, 3720},
    {"Label8", "txtD", "capD", 4440, 180, 4320, 4320},
    {"Label9", "txtF", "capF", 5040, 150, 4920, 4920},
    {"Label20", "txtIC", "capIC", 5640, 270, 5520, 5520},
}};
inline constexpr int kCaptionTop = 600, kCaptionHeight = 270;
inline constexpr int kBoxTop = 1080, kBoxSize = 495;
inline constexpr int kPercentTop = 1680, kPercentWidth = 615, kPercentHeight = 255;

// A label's place in the client area.
struct LabelDesign {
    int left, top, width, height;  // width 0: as wide as its text
};
inline constexpr LabelDesign kHeading{1800, 120, 0, 360};
inline constexpr LabelDesign kTotalCaption{2040, 2160, 1665, 270};
inline constexpr LabelDesign kTotal{3840, 2160, 975, 270};
inline constexpr LabelDesign kGpaCaption{2880, 2640, 795, 270};
inline constexpr LabelDesign kGpa{3720, 2640, 975, 270};

}  // namespace main_window_design
