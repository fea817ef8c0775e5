// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/ResultsFormat.h"

#include <cmath>
#include <limits>

#include "units/NumberFormat.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// Passes messages on and notes that one was shown: Conversion speaks only about a name it does
// not know.
class NotingMessages : public UserMessages {
public:
    using UserMessages::Show;
    explicit NotingMessages(UserMessages& target) : target_(target) {}
    MessageAnswer Show(const Message& message) override {
        shown = true;
        return target_.Show(message);
    }
    bool shown = false;

private:
    UserMessages& target_;
};

// Swallows messages: used once a name is known to be unrecognised and already reported.
class SilentMessages : public UserMessages {
public:
    using UserMessages::Show;
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
};

const char* const kStopPrefix = "The analysis cannot be completed. ";

}  // namespace

ResultsFormatter::ResultsFormatter(int16_t significantDigits, int16_t numericFormat,
                                   UserMessages& messages)
    : significantDigits_(significantDigits), numericFormat_(numericFormat), messages_(messages) {}

std::string ResultsFormatter::Number(double value) {
    return SigDigFormat(value, significantDigits_, numericFormat_);
}

double ResultsFormatter::Factor(const std::string& unitName) {
    const auto found = factors_.find(unitName);
    if (found != factors_.end()) return found->second;
    NotingMessages noting(messages_);
    const double factor = Conversion(unitName, noting);
    factors_[unitName] = factor;
    recognised_[unitName] = !noting.shown;
    return factor;
}

double ResultsFormatter::DepthFactor(double pressurePsi, const std::string& unitName) {
    const double factor = Factor(unitName);  // reports an unknown name once
    if (!recognised_[unitName]) return pressurePsi == 0 ? 0.0 : factor;
    SilentMessages silent;
    return DepthConversion(pressurePsi, unitName, silent);
}

std::string ResultsFormatter::FailureValue(double pressurePsi, const std::string& unitName) {
    return Number(pressurePsi * DepthFactor(pressurePsi, unitName));
}

float SinglePrecision(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    if (value > kLargest) return std::numeric_limits<float>::max();
    if (value < -kLargest) return std::numeric_limits<float>::lowest();
    return static_cast<float>(value);
}

CaptionLength CaptionLengthFor(int16_t unitSystem) {
    if (unitSystem != 0) return CaptionLength{"mm", 25.4};
    return CaptionLength{"inches", 1.0};
}

std::string NotFiniteText(const AnalysisState& s) {
    std::string why;
    const bool shell = s.ComponentCode == kConeComponent ||
                       s.ComponentCode == kHemiEndcapComponent ||
                       s.ComponentCode == kHemisphereComponent ||
                       s.ComponentCode == kSphereComponent || s.ComponentCode == kTubeComponent;
    if (s.ConeAngleNotConverged) {
        why =
            "The half-angle of the conical endcap cannot be found from its diameters and "
            "height. Please check the endcap I.D., O.D. and height.";
    } else if (shell && !(s.OuterRadius > s.InnerRadius)) {
        why =
            "The outside diameter must be larger than the inside diameter: with these "
            "diameters the wall has no cross-section to carry the pressure.";
    } else if (s.ComponentCode == kAnnularPlateComponent && !(s.InnerRadius < s.OuterRadius)) {
        why = "The center hole must be smaller than the free diameter of the plate.";
    } else if (s.ComponentCode == kAnnularPlateComponent &&
               !(s.LineLoadRadius > 0 && s.UniformLoadInnerRadius > 0)) {
        why =
            "The line load application diameter and the uniform loading I.D. must be "
            "greater than zero.";
    } else {
        why =
            "A stress or deflection of this design is not a finite number (a formula divides "
            "by zero or overflows). Please check the dimensions and the material properties.";
    }
    return kStopPrefix + why;
}

std::string StrengthNotUsableText() {
    return std::string(kStopPrefix) +
           "The strength of the material that the failure search compares with is not a "
           "number greater than zero. Please check the material's strength values.";
}

std::string SearchNotSettledText() {
    return std::string(kStopPrefix) +
           "The failure pressure search did not settle on a pressure. Please check the "
           "dimensions and the material properties.";
}

Message StopMessage(const std::string& text) {
    return Message{text, kProgramTitle, MessageIcon::Critical, MessageButtons::Ok};
}

}  // namespace tidewell
