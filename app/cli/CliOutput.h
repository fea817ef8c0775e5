// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the commands write: the report, the results table, the material names.

#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "app/cli/CliAnalysis.h"
#include "app/cli/CliMessages.h"
#include "app/cli/CliOptions.h"
#include "report/ReportClock.h"

namespace tidewell::cli {

// The results grid as comma-separated values: cells as the grid shows them, a cell quoted (with
// its quotes doubled) when it holds a comma, a quote, a line break or a leading or trailing
// blank; lines end with CR LF.
std::string CsvTable(const std::vector<std::vector<std::string>>& cells);

// Writes text to standard output, or to options.outputPath through a temporary file.
int WriteOutput(const std::string& text, const CliOptions& options, CliMessages& messages);

// Writes the text report of the run to standard output or to options.outputPath.
int WriteReport(const DesignRecord& design, const AnalysisRun& run, const CliOptions& options,
                const std::string& materialsFile, const ReportClock& clock, CliMessages& messages);

// Writes the results table (tab-separated as in the report, or CSV).
int WriteTable(const AnalysisRun& run, const CliOptions& options, CliMessages& messages);

// Lists the material names of a category and sub-category, one per line.
int ListMaterials(const CliOptions& options, const std::string& materialsFile,
                  CliMessages& messages);

}  // namespace tidewell::cli
