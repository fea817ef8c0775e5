// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/PipeSizeTable.h"

#include <array>
#include <cstdio>

namespace tidewell {

namespace {

struct PipeSize {
    double nominal;
    double outside;
    // "Nominal" (standard wall), "Sch 10S", "Sch 10", "Sch 20", "Sch 30", "Sch 40", "Sch 80",
    // "Sch 160"; 0 where the schedule has no pipe of this size.
    std::array<double, kPipeScheduleRows> inside;
};

// Inside diameter = outside diameter - 2 x wall, walls as the carbon and stainless steel pipe
// dimension standards give them.
const std::array<PipeSize, kPipeSizeColumns> kPipes = {{
    {1, 1.315, {1.049, 1.097, 0, 0, 0, 1.049, 0.957, 0.815}},
    {1.5, 1.9, {1.610, 1.682, 0, 0, 0, 1.610, 1.500, 1.338}},
    {2, 2.375, {2.067, 2.157, 0, 0, 0, 2.067, 1.939, 1.687}},
    {2.5, 2.875, {2.469, 2.635, 0, 0, 0, 2.469, 2.323, 2.125}},
    {3, 3.5, {3.068, 3.260, 0, 0, 0, 3.068, 2.900, 2.624}},
    {4, 4.5, {4.026, 4.260, 0, 0, 0, 4.026, 3.826, 3.438}},
    {6, 6.625, {6.065, 6.357, 0, 0, 0, 6.065, 5.761, 5.187}},
    {8, 8.625, {7.981, 8.329, 0, 8.125, 0, 7.981, 7.625, 6.813}},
    {10, 10.75, {10.020, 10.420, 0, 10.250, 0, 10.020, 9.562, 8.500}},
    {12, 12.75, {12.000, 12.390, 0, 12.250, 0, 11.938, 11.374, 10.126}},
    {14, 14, {13.250, 13.624, 0, 13.376, 13.250, 13.124, 12.500, 11.188}},
    {16, 16, {15.250, 15.624, 15.500, 15.376, 15.250, 15.000, 0, 0}},
    {18, 18, {17.250, 17.624, 17.500, 17.376, 17.124, 16.876, 0, 0}},
    {20, 20, {19.250, 19.564, 19.500, 19.250, 19.000, 18.812, 0, 0}},
    {22, 22, {21.250, 21.564, 21.500, 21.250, 21.000, 0, 0, 0}},
    {24, 24, {23.250, 23.500, 23.500, 23.250, 22.876, 22.624, 0, 0}},
    {26, 26, {25.250, 0, 25.376, 25.000, 0, 0, 0, 0}},
    {28, 28, {27.250, 0, 27.376, 27.000, 26.750, 0, 0, 0}},
    {30, 30, {29.250, 29.376, 29.376, 29.000, 28.750, 0, 0, 0}},
    {32, 32, {31.250, 0, 31.376, 31.000, 30.750, 30.624, 0, 0}},
}};

const std::array<const char*, kPipeScheduleRows> kScheduleNames = {
    "Nominal", "Sch 10S", "Sch 10", "Sch 20", "Sch 30", "Sch 40", "Sch 80", "Sch 160"};

bool IsDataCell(int row, int column) {
    return row >= 1 && row <= kPipeScheduleRows && column >= 1 && column <= kPipeSizeColumns;
}

std::string ThreeDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

}  // namespace

std::string PipeCellText(int row, int column) {
    if (row == 0 && column == 0) return "Inches";
    if (row == 0 && column >= 1 && column <= kPipeSizeColumns) {
        return ThreeDecimals(kPipes[static_cast<std::size_t>(column - 1)].nominal);
    }
    if (column == 0 && row >= 1 && row <= kPipeScheduleRows) {
        return kScheduleNames[static_cast<std::size_t>(row - 1)];
    }
    const double inside = PipeInsideDiameter(row, column);
    return inside > 0 ? ThreeDecimals(inside) : std::string();
}

double PipeOutsideDiameter(int column) {
    if (column < 1 || column > kPipeSizeColumns) return 0;
    return kPipes[static_cast<std::size_t>(column - 1)].outside;
}

double PipeInsideDiameter(int row, int column) {
    if (!IsDataCell(row, column)) return 0;
    return kPipes[static_cast<std::size_t>(column - 1)].inside[static_cast<std::size_t>(row - 1)];
}

}  // namespace tidewell
