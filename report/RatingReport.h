// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rating as the report, the command line and the results window write it: rated pressure and
// depth, the governing mode and, for a body with an endcap, the housing's rating; and the
// advisory notes where buckling and strength interact or a tube is long.

#include <string>
#include <vector>

#include "analysis/Rating.h"
#include "analysis/ResultsFormat.h"

namespace tidewell {

struct RatingUnits {
    std::string pressureUnit;  // a pressure name of the unit table ("psi", "Bar", ...)
    std::string depthUnit;     // one of the four depth names
};

// A pressure (psi) and a depth, each with its unit: "2566.0 psi", "1759.7 m (sea)"; "N/A" when
// not rated.
std::string RatedPressureText(const Rating& rating, const RatingUnits& units,
                              ResultsFormatter& format);
std::string RatedDepthText(const Rating& rating, const RatingUnits& units,
                           ResultsFormatter& format);

// The heading, e.g. "Rating with safety factors 1.5 (strength) and 3 (buckling):".
std::string RatingHeading(const SafetyFactors& factors);

// "Housing: 1759.7 m (sea), governed by the endcap (Seat failure)".
std::string HousingText(const HousingRating& housing, const RatingUnits& units,
                        ResultsFormatter& format);

// The advisory notes of one analysed part, without the "note: " lead, pressures in pressureUnit.
std::vector<std::string> AdviceTexts(const InteractionAdvice& advice,
                                     const std::string& pressureUnit, ResultsFormatter& format);

// The advisory notes of every part, without the "note: " lead.
std::vector<std::string> AdvisoryTexts(const HousingRating& housing, const RatingUnits& units,
                                       ResultsFormatter& format);

// The width, in characters, at which the rating block's housing line and notes are broken.
inline constexpr int kRatingLineWidth = 64;

// The words of text on lines of at most width characters (a longer word stands alone), a number
// kept with its unit ("3587.0 m (sea)"); every line after the first starts with indent.
std::vector<std::string> WrapWords(const std::string& text, int width, const std::string& indent);

// The block of the report, fields split at tabs: an empty line, the heading, the analysed part's
// rated pressure, depth and mode, the housing's line when there are two parts, and each
// advisory note, these two broken between words at kRatingLineWidth.
std::vector<std::vector<std::string>> RatingBlock(const HousingRating& housing,
                                                  const SafetyFactors& factors,
                                                  const RatingUnits& units,
                                                  ResultsFormatter& format);

}  // namespace tidewell
