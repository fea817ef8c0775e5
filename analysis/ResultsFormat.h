// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared pieces of an analysis run's output: numbers formatted with the design's settings, unit
// factors looked up once per run, and the texts of a run that has to stop.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "analysis/AnalysisState.h"
#include "units/UserMessages.h"

namespace tidewell {

// Formats numbers and converts units for one run. An unrecognised unit name is reported once
// per run (not once per cell) and then acts as factor 1.
class ResultsFormatter {
public:
    ResultsFormatter(int16_t significantDigits, int16_t numericFormat, UserMessages& messages);

    // SigDigFormat with the run's settings (corrected in place like the design's own).
    std::string Number(double value);

    // Conversion factor of a unit name.
    double Factor(const std::string& unitName);

    // DepthConversion factor of a pressure (psi) for a unit name.
    double DepthFactor(double pressurePsi, const std::string& unitName);

    // A failure pressure (psi) as the failure captions show it, in the failure unit.
    std::string FailureValue(double pressurePsi, const std::string& unitName);

    UserMessages& Messages() { return messages_; }
    int16_t SignificantDigits() const { return significantDigits_; }
    int16_t NumericFormat() const { return numericFormat_; }

private:
    int16_t significantDigits_;
    int16_t numericFormat_;
    UserMessages& messages_;
    std::map<std::string, double> factors_;
    std::map<std::string, bool> recognised_;
};

// The length unit of the failure captions and the evaluation diameter: "inches" (factor 1) for
// English designs, "mm" (factor 25.4) for metric ones.
struct CaptionLength {
    std::string name;
    double factor = 1;
};
CaptionLength CaptionLengthFor(int16_t unitSystem);

// A value in single precision, as the stress graph and the diameter check hold it; values beyond
// the single-precision range become its largest value of the same sign.
float SinglePrecision(double value);

// Why a run stopped, in the user's terms. Each gives the whole message text.
std::string NotFiniteText(const AnalysisState& s);
std::string StrengthNotUsableText();
std::string SearchNotSettledText();

// The message a stopped run shows: title "Tidewell", critical icon, OK.
Message StopMessage(const std::string& text);

// An error raised while a run is in progress; the first one wins.
struct RunError {
    std::optional<std::string> text;

    bool Set() const { return text.has_value(); }
    void Raise(const std::string& why) {
        if (!text) text = why;
    }
};

}  // namespace tidewell
