// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opening a project as the desktop's Open does, checking it and running its analysis with the
// units and pressure range stored in it (or given on the command line).

#include <string>

#include "analysis/DesignRecord.h"
#include "analysis/ResultsRequest.h"
#include "analysis/ResultsView.h"
#include "app/cli/CliMessages.h"
#include "app/cli/CliOptions.h"
#include "report/RatingReport.h"

namespace tidewell::cli {

struct OpenedDesign {
    int exitCode = kExitOk;  // kExitOk when the design is open with its material
    DesignRecord design;
};

// Starts a new project and opens the file into it, then loads the material by name. A file that
// cannot be read, or a material the database does not hold, gives kExitInputError (the message
// has been shown).
OpenedDesign OpenDesign(const std::string& projectPath, const std::string& programFolder,
                        const std::string& materialsFile, CliMessages& messages);

// Lists the design's faults on standard error and returns kExitInvalidDesign, or kExitOk.
int CheckDesign(const DesignRecord& design, CliMessages& messages);

struct AnalysisRun {
    int exitCode = kExitOk;
    ResultsView view;
    std::string weightUnit;        // the weight unit list's text
    std::string evalDiameterText;  // the evaluation box's text before the run
    ResultsRequest request;        // what the run was asked with
    // With --safety: the rating block of the report and table, fields split at tabs.
    std::vector<std::vector<std::string>> ratingLines;
    // With --collapse: the collapse estimate's block of the report.
    std::vector<std::vector<std::string>> collapseLines;
};

// Runs the analysis of an opened, valid design. The command line's digits and notation are
// applied to the design first; range, range unit and evaluation diameter to the run. Notices go
// to standard error as notes, and so are the advisories where buckling and strength interact, a
// tube is long or the collapse estimate lies well below the governing failure pressure (of every
// part of the housing with --safety, which rates the design as well).
// With --endcap, endcapDesign is the housing's endcap project, rated with the design's body.
AnalysisRun RunAnalysis(DesignRecord& design, const CliOptions& options, CliMessages& messages,
                        const DesignRecord* endcapDesign = nullptr);

// The units of the rating: the run's pressure unit, and --depth-unit or the run's depth unit.
RatingUnits RatingUnitsFor(const ResultsRequest& request, const CliOptions& options);

}  // namespace tidewell::cli
