// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/RatingReport.h"

#include <cctype>
#include <sstream>

#include "report/ReportLines.h"

namespace tidewell {

namespace {

std::string PressureText(double psi, const std::string& unit, ResultsFormatter& format) {
    return format.Number(psi * format.Factor(unit)) + " " + unit;
}

std::string DepthText(double psi, const std::string& unit, ResultsFormatter& format) {
    return format.Number(psi * format.DepthFactor(psi, unit)) + " " + unit;
}

// A factor as the designer typed it: up to six significant digits, no trailing zeros.
std::string FactorText(double factor) {
    std::ostringstream text;
    text << factor;
    return text.str();
}

std::string Lowered(const char* partName) {
    std::string text = partName;
    if (!text.empty()) text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

}  // namespace

std::string RatedPressureText(const Rating& rating, const RatingUnits& units,
                              ResultsFormatter& format) {
    return rating.rated ? PressureText(rating.ratedPressure, units.pressureUnit, format) : "N/A";
}

std::string RatedDepthText(const Rating& rating, const RatingUnits& units,
                           ResultsFormatter& format) {
    return rating.rated ? DepthText(rating.ratedPressure, units.depthUnit, format) : "N/A";
}

std::string RatingHeading(const SafetyFactors& factors) {
    return "Rating with safety factors " + FactorText(factors.strength) + " (strength) and " +
           FactorText(factors.buckling) + " (buckling):";
}

std::string HousingText(const HousingRating& housing, const RatingUnits& units,
                        ResultsFormatter& format) {
    const PartRating& part = housing.Governing();
    const std::string lead = housing.endcapProject.empty()
                                 ? "Housing: "
                                 : "Housing (endcap " + housing.endcapProject + "): ";
    if (!part.rating.rated) return lead + "N/A";
    return lead + RatedDepthText(part.rating, units, format) + ", governed by the " +
           Lowered(PartName(part)) + " (" + part.rating.governingMode + ")";
}

std::vector<std::string> AdviceTexts(const InteractionAdvice& advice,
                                     const std::string& pressureUnit, ResultsFormatter& format) {
    std::vector<std::string> texts;
    if (advice.interaction) {
        std::string text = "Buckling (" +
                           PressureText(advice.bucklingPressure, pressureUnit, format) +
                           ") and material strength (" +
                           PressureText(advice.strengthPressure, pressureUnit, format) +
                           ") failure pressures are within a factor of 2; real shells collapse "
                           "below both.";
        if (advice.collapseEstimate > 0) {
            text += " Collapse estimate: " +
                    PressureText(advice.collapseEstimate, pressureUnit, format) + ".";
        }
        texts.push_back(text);
    }
    if (advice.longTube) {
        texts.push_back(
            "The tube is long: its buckling pressure is within 10 % of an infinitely long "
            "tube's, 2E/(1-v^2)(t/D)^3 = " +
            PressureText(advice.infiniteTubePressure, pressureUnit, format) +
            ", where the 0.8 factor of the buckling formula leaves no margin.");
    }
    if (advice.collapseLow) {
        texts.push_back("The collapse estimate (" +
                        PressureText(advice.collapseEstimate, pressureUnit, format) +
                        ") is below two thirds of the governing failure pressure (" +
                        PressureText(advice.governingFailurePressure, pressureUnit, format) +
                        "): a real shell with its imperfections may collapse well below the "
                        "governing failure pressure.");
    }
    return texts;
}

std::vector<std::string> AdvisoryTexts(const HousingRating& housing, const RatingUnits& units,
                                       ResultsFormatter& format) {
    std::vector<std::string> texts;
    for (const PartRating& part : housing.parts) {
        const std::string lead = housing.IsHousing() ? std::string(PartName(part)) + ": " : "";
        for (const std::string& text : AdviceTexts(part.advice, units.pressureUnit, format)) {
            texts.push_back(lead + text);
        }
    }
    return texts;
}

std::vector<std::vector<std::string>> RatingBlock(const HousingRating& housing,
                                                  const SafetyFactors& factors,
                                                  const RatingUnits& units,
                                                  ResultsFormatter& format) {
    const PartRating& analysed = housing.parts.front();
    std::vector<std::vector<std::string>> lines;
    lines.push_back({""});
    lines.push_back({RatingHeading(factors)});
    lines.push_back({"", "Rated pressure :  " + RatedPressureText(analysed.rating, units, format)});
    lines.push_back({"", "Rated depth    :  " + RatedDepthText(analysed.rating, units, format)});
    lines.push_back(
        {"", "Governing mode :  " +
                 (analysed.rating.rated ? analysed.rating.governingMode : std::string("N/A"))});
    // Long lines are broken between words: on paper the widest line sets the size of the print.
    const auto add = [&lines](const std::string& text, const std::string& indent) {
        for (const std::string& line : WrapWords(text, kRatingLineWidth, indent)) {
            lines.push_back({"", line});
        }
    };
    if (housing.IsHousing()) add(HousingText(housing, units, format), "   ");
    for (const std::string& text : AdvisoryTexts(housing, units, format)) {
        add("note: " + text, "      ");
    }
    return lines;
}

std::vector<std::string> WrapWords(const std::string& text, int width, const std::string& indent) {
    // A number and its unit ("3587.0 m (sea)", "12445 psi") stay on one line.
    std::vector<std::string> groups;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const bool unitOfPrevious =
            !groups.empty() && (std::isdigit(static_cast<unsigned char>(groups.back().back())) ||
                                word.rfind("(sea", 0) == 0 || word.rfind("(fresh", 0) == 0);
        if (unitOfPrevious) {
            groups.back() += " " + word;
        } else {
            groups.push_back(word);
        }
    }
    std::vector<std::string> lines;
    std::string line;
    bool lineHasWord = false;
    for (const std::string& group : groups) {
        if (lineHasWord && TextLength(line) + 1 + TextLength(group) > width) {
            lines.push_back(line);
            line = indent;
            lineHasWord = false;
        }
        line += (lineHasWord ? " " : "") + group;
        lineHasWord = true;
    }
    if (lineHasWord) lines.push_back(line);
    return lines;
}

}  // namespace tidewell
