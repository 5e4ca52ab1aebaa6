// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes where the main window's design puts its labels and boxes, in pixels at 96 dots per
// inch, as JSON: the suites that read the window from the screen take their places from here.
// Usage: design_export OUTPUT.json
#include <fstream>
#include <iostream>
#include <string>

#include "app/MainWindowDesign.h"

namespace {

using namespace main_window_design;

constexpr int kTwipsPerPixel = 15;

std::string Rect(int left, int top, int width, int height) {
    return "[" + std::to_string(left / kTwipsPerPixel) + ", " +
           std::to_string(top / kTwipsPerPixel) + ", " + std::to_string(width / kTwipsPerPixel) +
           ", " + std::to_string(height / kTwipsPerPixel) + "]";
}

std::string Rect(const LabelDesign& label) {
    return Rect(label.left, label.top, label.width, label.height);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: design_export OUTPUT.json\n";
        return 2;
    }
    std::string boxes;
    std::string shares;
    for (const ColumnDesign& column : kGradeColumns) {
        const std::string separator = boxes.empty() ? "" : ", ";
        boxes += separator + Rect(column.boxLeft, kBoxTop, kBoxSize, kBoxSize);
        shares += separator + Rect(column.percentLeft, kPercentTop, kPercentWidth, kPercentHeight);
    }
    std::ofstream out(argv[1]);
    out << "{\n"
        << "  \"client\": [" << kClientWidth / kTwipsPerPixel << ", "
        << kClientHeight / kTwipsPerPixel << "],\n"
        << "  \"total_caption\": " << Rect(kTotalCaption) << ",\n"
        << "  \"total\": " << Rect(kTotal) << ",\n"
        << "  \"gpa\": " << Rect(kGpa) << ",\n"
        << "  \"boxes\": [" << boxes << "],\n"
        << "  \"shares\": [" << shares << "]\n"
        << "}\n";
    return out.good() ? 0 : 1;
}
