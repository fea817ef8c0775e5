// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The part of the analysis report that the text file and the printed pages share: configuration,
// geometry, weights, failure modes, material and distortion title. A line is a list of fields;
// between two fields the text file writes a tab and the printer moves to the next print zone.

#include <string>
#include <vector>

#include "report/ReportInput.h"
#include "units/UserMessages.h"

namespace tidewell {

using ReportLine = std::vector<std::string>;

enum class ReportForm { TextFile, Printed };

// Width of a print zone in characters.
inline constexpr int kPrintZoneWidth = 14;

// The marker the results grid appends to cells at or beyond the failure pressure, and the
// footnote the report adds once such a cell has been met.
inline const char* const kFailMarker = " (fail)";
inline const char* const kFailFootnote = "* = after housing failure";

// Message shown for a component code the report does not know.
inline const char* const kUnknownComponentMessage =
    "There is a problem in generating the printout.";

// The lines from the configuration line to the empty line after the distortion title. An unknown
// component code shows kUnknownComponentMessage and leaves out the title and the geometry.
std::vector<ReportLine> ReportBodyLines(const ReportInput& input, ReportForm form,
                                        UserMessages& messages);

// The distortion title of the component: one line, or two for the flat circular plate; none for
// an unknown code.
std::vector<ReportLine> DistortionTitleLines(const ReportInput& input);

// Splits a material comment into output lines: a carriage return (or a line feed not preceded by
// one) starts a new line, a line feed after a carriage return is dropped, a line is broken after
// 60 characters, or after a blank once it holds 50 characters or more. Characters are counted as
// UTF-8 code points. An empty comment gives one empty line.
std::vector<std::string> WrapComment(const std::string& comment);

// The tab-separated form of a line.
std::string JoinWithTabs(const ReportLine& line);

// The printed form of a line: each field after the first starts at the next print zone.
std::string JoinInPrintZones(const ReportLine& line);

// Number of characters of a UTF-8 text (code points).
int TextLength(const std::string& text);

// The version as the printed report writes it: a blank, then the number with one or two
// decimals (" 4.6", " 4.0", " 4.65").
std::string PrintedVersionText(const std::string& versionText);

// A whole number as a signed number text: a blank before a non-negative number (" 3").
std::string SignedNumberText(int value);

}  // namespace tidewell
