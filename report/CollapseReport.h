// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The collapse estimate as the report, the command line and the results window write it: one
// caption and value a figure, pressures in the failure unit with the design's digits.

#include <string>
#include <vector>

#include "analysis/CollapseEstimate.h"
#include "analysis/ResultsFormat.h"

namespace tidewell {

// "Collapse estimate (out-of-roundness 0.5 %):" for a tube, "Collapse estimate:" otherwise.
std::string CollapseHeading(const CollapseEstimate& collapse);

// An out-of-roundness fraction as a percentage the way it is typed: "0.5", "1.25".
std::string PercentText(double fraction);

struct CollapseFigure {
    std::string caption;  // "Elastic buckling (n = 3)", "Estimate", ...
    std::string value;    // "11525 psi (interaction curve)"
};

// The figures in order, the estimate last; one "Not assessed" figure with its reason otherwise.
std::vector<CollapseFigure> CollapseFigures(const CollapseEstimate& collapse,
                                            const std::string& failureUnit,
                                            ResultsFormatter& format);

// The report's block, fields split at tabs: an empty line, the heading and a line a figure
// ("\tEstimate : 11525 psi (interaction curve)").
std::vector<std::vector<std::string>> CollapseBlock(const CollapseEstimate& collapse,
                                                    const std::string& failureUnit,
                                                    ResultsFormatter& format);

}  // namespace tidewell
