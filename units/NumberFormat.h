// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one formatter of every number the program shows and the two readers of typed numbers.

#include <cstdint>
#include <string>

#include "units/UserMessages.h"

namespace tidewell {

// Notation codes of NumericFormat.
inline constexpr int16_t kScientificNotation = 0;
inline constexpr int16_t kFixedNotation = 2;

// Formats value with significantDigits significant digits in scientific (0) or fixed (2)
// notation. Corrects both settings in place: a notation other than 0 or 2 becomes 2, fewer than
// 2 digits become 2. Zero gives "0." and n-1 zeros; more than 12 digits give "ERROR".
std::string SigDigFormat(double value, int16_t& significantDigits, int16_t& numericFormat);

// Reads a typed number: trimmed, cut at the first blank and before a second ".", optional sign,
// "." decimal separator, "," grouping, exponent with E or e. Empty text is 0 without a message;
// unreadable text shows "Can't parse <text>." and gives 0.
double ParseNumber(const std::string& text, UserMessages& messages);

// Like ParseNumber, with an optional engineering prefix letter (f p n u m c k K M G T) found by
// scanning past digits, signs, exponent letters, separators and blanks.
double EngValue(const std::string& text, UserMessages& messages);

}  // namespace tidewell
