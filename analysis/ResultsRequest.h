// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the results window's lists and boxes show when an analysis run starts, with the design
// form's options and the texts of the materials editor that the window's labels quote.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/CollapseEstimate.h"
#include "analysis/DesignRecord.h"

namespace tidewell {

// Tag of the recalculation button while a recalculation at a typed diameter runs.
inline const char* const kRecalcWorkingTag = "WORKING";

struct ResultsRequest {
    // Texts of the unit lists.
    std::string pressureUnit;    // PressUnits
    std::string depthUnit;       // DepthUnits
    std::string stressUnit;      // StressUnits
    std::string deflectionUnit;  // DeflectionUnits
    std::string angleUnit;       // AngleDeflectUnits
    std::string weightUnit;      // WtUnits
    std::string failureUnit;     // FailUnits and AEndFailUnits

    // Pressure range: index of DistortionRange (0 to 5) and the text of DistortionUnits.
    int pressureRange = 4;
    std::string rangeUnit = "psi";

    // Flat annular plate: the text of the evaluation-diameter box (AEndReval) and whether the
    // user asked to recalculate at that typed diameter (ReCalc tagged "WORKING"). Otherwise the
    // table is evaluated where the plate fails first.
    std::string evalDiameterText;
    bool recalculatingAtTypedDiameter = false;

    // The design form's options, as check states 0/1.
    int16_t forceThickWall = 0;      // ForceThickChk
    int16_t useWorkingStrength = 0;  // WorkStrengthChk

    // The out-of-roundness of a tube's collapse estimate, a fraction (the window shows percent).
    double outOfRoundness = kDefaultOutOfRoundness;

    // The design form's material caption and the materials editor's texts.
    std::string materialCaption;
    std::string categoryText;              // CategoryList
    std::string primaryStrengthCaption;    // YsLabel
    std::string primaryStrengthValue;      // YsVal
    std::string primaryStrengthUnit;       // YsUnitsList
    std::string secondaryStrengthCaption;  // Ys2Label
    std::string secondaryStrengthValue;    // Ys2Val
    std::string secondaryStrengthUnit;     // Ys2UnitsList
};

// A request as the results window would fill it for this design when it opens: each unit list
// on the design's saved unit or the unit-system default, the design's pressure range and
// options, and the strength captions of the material's class with its strengths in psi.
ResultsRequest DefaultResultsRequest(const DesignRecord& design);

// The six entries of the pressure-range list in the range unit ("psi" or "Bar").
std::vector<std::string> PressureRangeEntries(const std::string& rangeUnit);

// First and last pressure of a range, in psi. The unit list shows "psi" or "Bar"; with "Bar"
// the table's numbers are divided by 100 first. Ranges outside 0 to 5 read as the default 4.
struct PressureSpan {
    double start = 0;
    double end = 0;
};

}  // namespace tidewell
