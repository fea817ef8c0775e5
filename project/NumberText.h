// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Numbers as project files and the preferences store hold them: written so that reading the text
// gives back exactly the same double, and read back in the delimited-field form of the file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tidewell {

// The text of a number in a project file: a blank before a non-negative value (a minus sign
// otherwise), then the shortest decimal text that reads back as the same double (at most 17
// significant digits), without a leading zero before the decimal point (" .25"), in exponent form
// below 1E-04 and from 1E+15 on (" 1E+15", " 1.5E-05"). A NaN or an infinity, which no design
// value may hold, is written as " 0".
std::string ProjectNumberText(double value);

// A number with the pattern " #0.0#": a blank, the integer digits, then one or two decimals
// (4.6 gives " 4.6", 3.95 gives " 3.95", 4 gives " 4.0"). Used for version numbers in messages.
std::string VersionNumberText(double version);

// Reads a delimited number field of a project file: leading blanks are skipped and the field ends
// at a blank, a tab, a comma or the end of the line; whatever follows is ignored. An empty field
// reads as 0. The field must be a plain decimal number (optional sign, digits with an optional
// point, optional exponent with E or e); anything else, or a value beyond the range of a double,
// gives nothing.
std::optional<double> ReadNumberField(std::string_view line);

// The leading number of a text, as the preferences read their number keys: blanks skipped, then
// the longest prefix that is a number; 0 when there is none.
double LeadingNumber(std::string_view text);

// Rounds to the nearest integer (halves to the even neighbour, as the file's integer fields are
// stored) and checks the range of the target type; nothing for a value outside it or not finite.
std::optional<int16_t> RoundToInt16(double value);
std::optional<int32_t> RoundToInt32(double value);

}  // namespace tidewell
