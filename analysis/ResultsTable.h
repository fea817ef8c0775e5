// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The driver of one analysis run: loads the design into the analysis state, runs the failure
// search, and builds everything the results window shows (caption, material labels, failure
// options, the grid of twenty pressures with stresses and deflections, weights and notices).

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/AnalysisState.h"
#include "analysis/DesignRecord.h"
#include "analysis/ResultsFormat.h"
#include "analysis/ResultsRequest.h"
#include "analysis/ResultsView.h"
#include "units/UserMessages.h"

namespace tidewell {

// Below this magnitude a cell shows as zero.
inline constexpr double kDisplayThreshold = 1e-12;

// One analysis run. Messages about unrecognised unit names or an unreadable evaluation diameter
// are shown through messages as they arise; the notices after the table are returned in the
// view for the caller to show. A run that meets a result that is not a finite number (or any
// input it cannot analyse) returns a view holding only its error. The design is not changed:
// the caller adds view.materialNoticeBits to design.MaterialNoticesShown.
ResultsView BuildResultsTable(const DesignRecord& design, const ResultsRequest& request,
                              UserMessages& messages);

// As above, also handing back the analysis state as the run left it.
ResultsView BuildResultsTable(const DesignRecord& design, const ResultsRequest& request,
                              UserMessages& messages, AnalysisState& finalState);

// The failure search of a run without its table: the state as the search left it (failure
// pressures of every mode, governing mode), or the text of why the run had to stop.
std::optional<std::string> SearchFailurePressures(const DesignRecord& design,
                                                  const ResultsRequest& request,
                                                  UserMessages& messages,
                                                  AnalysisState& finalState);

// The inputs of a run: component, geometry (inches), material (psi, lb/cu in), strengths,
// pressure direction and the design-form options; ResetResults already applied.
AnalysisState LoadAnalysisState(const DesignRecord& design, const ResultsRequest& request);

// First and last pressure of a range (psi). With "Bar" the range numbers are divided by 100
// before the conversion; a range index outside 0 to 5 reads as the default 4.
PressureSpan PressureRangeSpan(int rangeIndex, const std::string& rangeUnit,
                               ResultsFormatter& format);

// Sets up the grid for a component: 22 rows, its columns, the two header rows and the column
// kinds.
void WriteColumnHeaders(int16_t componentCode, const ResultsRequest& request, ResultsView& view);

// Window caption ("Analysis - " component name and pressure source), material labels, which
// failure frame shows and whether the circular plate's evaluation labels show.
void SetResultsTitle(const AnalysisState& s, const ResultsRequest& request, ResultsView& view);

// The check of a typed evaluation diameter for the flat annular plate: it must lie between the
// hole diameter and the free diameter (compared in single precision), or be typed exactly as the
// message shows one of them, which then stands for that diameter. diameterInches holds the
// diameter to use; message the box to show when it is outside.
struct EvalDiameterCheck {
    bool inside = false;
    double diameterInches = 0;
    std::optional<Message> message;
};
EvalDiameterCheck CheckEvaluationDiameter(const DesignRecord& design, const std::string& text,
                                          UserMessages& messages);

}  // namespace tidewell
