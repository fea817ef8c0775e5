// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pipe size table: inside diameters of carbon and stainless steel pipe by nominal size and
// schedule, with the outside diameter of each size, in inches. Fixed data of the program.

#include <string>

namespace tidewell {

inline constexpr int kPipeScheduleRows = 8;  // grid rows 1 to 8
inline constexpr int kPipeSizeColumns = 20;  // grid columns 1 to 20

// The grid's text at a row (0 heading, 1 to 8 schedules) and column (0 heading, 1 to 20 sizes):
// "Inches", the sizes and the inside diameters written "#0.000", the schedule names; empty where
// a schedule has no pipe of that size or the cell is outside the grid.
std::string PipeCellText(int row, int column);

// Outside diameter of the size in a column (1 to 20); 0 outside the grid.
double PipeOutsideDiameter(int column);

// Inside diameter of a data cell; 0 where the cell is empty.
double PipeInsideDiameter(int row, int column);

}  // namespace tidewell
