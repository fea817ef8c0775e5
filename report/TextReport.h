// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The analysis report as a text file: tab-separated fields, one line per report line.

#include <string>
#include <vector>

#include "report/ReportInput.h"
#include "units/UserMessages.h"

namespace tidewell {

// Message shown when the report file cannot be written.
inline const char* const kReportFileErrorMessage = "There was an error in creating this file";

// Default file name of the saved report and of the work file behind "Copy Analysis to Clipboard".
inline const char* const kReportFileName = "Report.txt";
inline const char* const kReportWorkFileName = "Report.tmp";

// The lines of the text report, without line ends.
std::vector<std::string> TextReportLines(const ReportInput& input, UserMessages& messages);

// The whole text report, each line ended by a line feed.
std::string TextReport(const ReportInput& input, UserMessages& messages);

// The text report as "Copy Analysis to Clipboard" puts it on the clipboard: the same lines, each
// ended by a carriage return and a line feed. It is built in memory: no work file that a failed
// write could leave half-written on the clipboard.
std::string ClipboardReport(const ReportInput& input, UserMessages& messages);

// Only the results grid in the report's table form: every row as a marker field ("*" once a
// failing cell has been met), then the cells, all separated by tabs, and the footnote line when a
// failing cell was met. Cells are written without their " (fail)" marker.
std::vector<std::string> TextReportTableLines(const std::vector<std::vector<std::string>>& grid);

// Writes the text report to path, replacing any file of that name only once the new one is
// complete. On failure shows kReportFileErrorMessage, leaves an existing file as it was and
// returns false.
bool WriteReportFile(const ReportInput& input, const std::string& path, UserMessages& messages);

// Writes text to path through a temporary file in the same folder that replaces the target only
// when complete. Returns false (and removes the temporary file) on any failure.
bool WriteTextFileAtomically(const std::string& path, const std::string& text);

}  // namespace tidewell
