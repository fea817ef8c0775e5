// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/Sizing.h"

#include <cmath>
#include <vector>

#include "analysis/DesignValidation.h"

namespace tidewell {

namespace {

// Geometry field indexes shared by the body and the shell endcaps.
constexpr int kInnerField = 0;
constexpr int kOuterField = 1;
constexpr int kWallField = 2;
constexpr int kLengthField = 3;

// Factors of the length list positions "in", "mm", "Ft", "m", "cm".
double EnteredFactor(double unitIndex) {
    static const double factors[] = {1.0, 25.4, 1.0 / 12.0, 0.0254, 2.54};
    const int index = static_cast<int>(unitIndex);
    return index >= 0 && index < 5 ? factors[index] : 1.0;
}

bool VariesEndcap(const DesignRecord& design) {
    return VariedScope(design) == kEndcapEditorScope;
}

int16_t VariedComponent(const DesignRecord& design) {
    return VariesEndcap(design) ? design.EndcapType : design.BodyType;
}

bool IsFlatPlate(int16_t endcapType) {
    return endcapType == kFlatAnnularEndcap || endcapType == kFlatCircularEndcap;
}

// Sets field i of the varied part, in inches and as entered in its unit.
void SetField(DesignRecord& d, int field, double inches) {
    const size_t i = static_cast<size_t>(field);
    if (VariesEndcap(d)) {
        d.EndcapDim[i] = inches;
        const double unit = i < d.EndcapDimUnit.size() ? d.EndcapDimUnit[i] : 0;
        d.EndcapDimEntered[i] = inches * EnteredFactor(unit);
    } else {
        d.BodyDim[i] = inches;
        d.BodyDimEntered[i] = inches * EnteredFactor(d.BodyDimUnit[i]);
    }
}

double Field(const DesignRecord& d, int field) {
    const size_t i = static_cast<size_t>(field);
    return VariesEndcap(d) ? d.EndcapDim[i] : d.BodyDim[i];
}

}  // namespace

int16_t VariedScope(const DesignRecord& design) {
    return design.BodyType > 0 ? kBodyEditorScope : kEndcapEditorScope;
}

std::optional<std::string> DimensionProblem(const DesignRecord& design,
                                            const DimensionChoice& choice) {
    const int16_t code = VariedComponent(design);
    if (code <= 0) return std::string("The design has no body or endcap to size.");
    if (choice.dimension == SizedDimension::Length && code != kTubeBody) {
        return std::string("Only a tube has a length to vary.");
    }
    if (VariesEndcap(design) && IsFlatPlate(code) && choice.dimension != SizedDimension::Wall) {
        return std::string("Only the thickness of a flat plate can be varied.");
    }
    return std::nullopt;
}

int DimensionField(const DimensionChoice& choice) {
    switch (choice.dimension) {
        case SizedDimension::Wall:
            return kWallField;
        case SizedDimension::OuterDiameter:
            return kOuterField;
        case SizedDimension::InnerDiameter:
            return kInnerField;
        case SizedDimension::Length:
            return kLengthField;
    }
    return kWallField;
}

double DimensionValue(const DesignRecord& design, const DimensionChoice& choice) {
    return Field(design, DimensionField(choice));
}

DesignRecord WithDimension(const DesignRecord& design, const DimensionChoice& choice,
                           double valueInches) {
    DesignRecord d = design;
    const bool plate = VariesEndcap(d) && IsFlatPlate(d.EndcapType);
    const double inner = Field(d, kInnerField);
    const double outer = Field(d, kOuterField);
    switch (choice.dimension) {
        case SizedDimension::Wall:
            SetField(d, kWallField, valueInches);
            if (plate) break;
            if (choice.keepOuterDiameter) {
                SetField(d, kInnerField, outer - 2 * valueInches);
            } else {
                SetField(d, kOuterField, inner + 2 * valueInches);
            }
            break;
        case SizedDimension::OuterDiameter:
            SetField(d, kOuterField, valueInches);
            SetField(d, kWallField, (valueInches - inner) / 2);
            break;
        case SizedDimension::InnerDiameter:
            SetField(d, kInnerField, valueInches);
            SetField(d, kWallField, (outer - valueInches) / 2);
            break;
        case SizedDimension::Length:
            SetField(d, kLengthField, valueInches);
            break;
    }
    return d;
}

DimensionRange PhysicalRange(const DesignRecord& design, const DimensionChoice& choice) {
    const double inner = Field(design, kInnerField);
    const double outer = Field(design, kOuterField);
    // A plate's span is its free diameter (field 0).
    const double span = VariesEndcap(design) && IsFlatPlate(design.EndcapType) ? inner : outer;
    switch (choice.dimension) {
        case SizedDimension::Wall:
            if (VariesEndcap(design) && IsFlatPlate(design.EndcapType)) {
                return {1e-4 * span, span};
            }
            // Keeping the O.D. the wall stops short of the radius; keeping the I.D. it may grow
            // to a wall as thick as the bore is wide.
            return choice.keepOuterDiameter ? DimensionRange{1e-4 * outer, outer / 2 * (1 - 1e-4)}
                                            : DimensionRange{1e-4 * inner, inner};
        case SizedDimension::OuterDiameter:
            return {inner * (1 + 2e-4), 3 * inner};
        case SizedDimension::InnerDiameter:
            return {outer * (1 - 2e-4), 1e-4 * outer};
        case SizedDimension::Length:
            return {1000 * outer, 1e-3 * outer};
    }
    return {};
}

SizingResult SizeDimension(const DesignRecord& design, const ResultsRequest& request,
                           const DimensionChoice& choice, const SafetyFactors& factors,
                           double targetPressure, UserMessages& messages) {
    SizingResult result;
    result.scanned = PhysicalRange(design, choice);
    const int16_t scope = VariedScope(design);

    // The rating at a value; false when the analysis had to stop.
    auto rate = [&](double value, PartRating& part) {
        if (auto why = RatePart(WithDimension(design, choice, value), scope, request, factors,
                                messages, part)) {
            result.refusal = SizingResult::Refusal::AnalysisStopped;
            result.problem = *why;
            return false;
        }
        return true;
    };
    auto reaches = [&](const PartRating& part) {
        return part.rating.rated && part.rating.ratedPressure >= targetPressure;
    };

    // Scan from the weakest to the strongest value, evenly on a logarithmic scale.
    const double weakest = result.scanned.weakest;
    const double strongest = result.scanned.strongest;
    std::vector<double> values;
    std::vector<bool> reached;
    int lastShort = -1;
    for (int k = 0; k <= kSizingScanPoints; ++k) {
        const double value =
            weakest * std::pow(strongest / weakest, static_cast<double>(k) / kSizingScanPoints);
        PartRating part;
        if (!rate(value, part)) return result;
        values.push_back(value);
        reached.push_back(reaches(part));
        if (!reached.back()) lastShort = k;
        const double rated = part.rating.rated ? part.rating.ratedPressure : 0.0;
        if (k == 0 || rated > result.bestRatedPressure) {
            result.bestRatedPressure = rated;
            result.bestValue = value;
        }
    }
    result.valuesScanned = kSizingScanPoints + 1;
    if (lastShort == kSizingScanPoints) {
        result.refusal = SizingResult::Refusal::NoneReaches;
        return result;
    }
    if (lastShort < 0) {
        result.refusal = SizingResult::Refusal::AllReach;
        return result;
    }
    for (int k = 0; k < lastShort; ++k) {
        if (reached[static_cast<size_t>(k)]) {
            result.refusal = SizingResult::Refusal::NotMonotonic;
            result.reachingValue = values[static_cast<size_t>(k)];
            result.failingValue = values[static_cast<size_t>(lastShort)];
            return result;
        }
    }

    // Bisection between the last value short of the target and the next one, which reaches it.
    double shortValue = values[static_cast<size_t>(lastShort)];
    double reachValue = values[static_cast<size_t>(lastShort + 1)];
    for (int step = 0; step < kSizingMaxBisections; ++step) {
        if (std::fabs(reachValue - shortValue) <= kSizingTolerance * std::fabs(reachValue)) break;
        const double middle = (shortValue + reachValue) / 2;
        PartRating part;
        if (!rate(middle, part)) return result;
        (reaches(part) ? reachValue : shortValue) = middle;
    }
    if (!rate(reachValue, result.part)) return result;
    result.found = true;
    result.value = reachValue;
    return result;
}

}  // namespace tidewell
