// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the results window shows after an analysis run, as plain data. The window, the
// report and the command-line program all render this same view, so they always agree.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Advisories.h"
#include "analysis/AnalysisState.h"
#include "analysis/CollapseEstimate.h"
#include "units/UserMessages.h"

namespace tidewell {

// One failure option button: its caption and whether it is shown.
struct FailureOption {
    std::string caption;
    bool visible = true;
};

// The failure frame of a run: "FailType" 1 to 4 for every component but the flat annular plate,
// "AEndFailType" 1 to 5 for it.
struct FailureFrame {
    std::vector<FailureOption> options;  // button 1 first
    int selected = 1;                    // the governing button, 1-based

    // Flat circular plate: the two evaluation-diameter labels (EvalRadiusLbl, EvalRadiusLbl2).
    std::string evalRadiusLabel;
    std::string evalRadiusLabel2;

    // Flat annular plate: the evaluation-diameter label (AEndEvalRadiusLbl) and the governing
    // diameter proposed for the evaluation box (AEndReval), in the design's length unit. The
    // proposal is empty while a recalculation at a typed diameter runs: the box keeps its text.
    std::string annularEvalLabel;
    std::string proposedEvalDiameter;
};

// Kinds of the grid's columns.
enum class ColumnKind {
    Pressure = 1,
    Depth = 2,
    Stress = 3,
    Deflection = 4,
    AngularDeflection = 5
};

// A block of grid cells, inclusive, zero-based (rows include the two header rows).
struct CellBlock {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;
};

inline constexpr int kHeaderRows = 2;
inline constexpr int kPressureRows = 20;
inline constexpr int kColumnWidthTwips = 1500;

struct ResultsView {
    // Set when the run had to stop: one message (title "Tidewell", critical icon) and nothing
    // else in the view is filled.
    std::optional<Message> error;

    int16_t componentCode = 0;

    // Window caption ("Analysis - Tube External Pressure") and the material labels.
    std::string caption;
    std::string materialType;  // MaterialType
    std::string ultimate;      // Ultimate: strength captions, values and units, lines split by '\r'

    // Which failure frame shows: the annular frame (with the "Graph" button) for the flat
    // annular plate, the ordinary frame otherwise.
    bool annularFrameShown = false;
    bool graphButtonShown = false;
    FailureFrame failure;
    bool evalRadiusLabelsShown = false;  // EvalRadiusLbl, EvalRadiusLbl2: flat circular plate

    double failurePressure = kNotApplicablePressure;  // psi, the governing failure pressure
    int16_t failureMode = 1;                          // governing button
    int16_t lobeCount = 0;                            // tube under external pressure
    std::string wallTheory;                           // "Thin Wall" or "Thick Wall"

    // Weights in the weight unit.
    std::string weightInAir;
    std::string weightInWater;

    // The grid: rows x columns cell texts, the two header rows included.
    int rowCount = 0;
    int columnCount = 0;
    int fixedRows = kHeaderRows;
    int columnWidthTwips = kColumnWidthTwips;
    std::vector<ColumnKind> columnKinds;
    std::vector<std::vector<std::string>> cells;
    std::vector<double> rowPressures;  // psi, one per data row (grid row 2 onwards)
    int failureRow = -1;               // grid row of the first failed pressure, -1 when none failed
    bool failureRowInserted = false;   // a row at exactly the failure pressure was added
    CellBlock highlighted;             // the failed rows, or the last cell when nothing failed

    // Flat annular plate: radius and bending stresses across the plate at 1000 psi.
    std::vector<PlateStressRow> plateStressTable;

    // The collapse estimate beside the failure pressures, and the advisories where the method is
    // on its weakest ground (they change no figure and show with or without safety factors).
    CollapseEstimate collapse;
    InteractionAdvice advice;

    // Information notices to show after the table, in order.
    std::vector<Message> notices;
    // MaterialNoticesShown bits this run sets (to be added to the design's bits).
    int16_t materialNoticeBits = 0;

    // After a run the recalculation button is disabled and tagged "DONE".
    bool recalcEnabled = false;
    std::string recalcTag = "DONE";

    bool Ok() const { return !error.has_value(); }
    const std::string& Cell(int row, int column) const { return cells.at(row).at(column); }
};

}  // namespace tidewell
