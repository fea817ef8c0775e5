// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/Rating.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "analysis/DesignValidation.h"
#include "analysis/ResultsTable.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// The sea-water law p = 0.444 D + 0.3e-6 D^2 (psi, D in feet of sea water).
constexpr double kPsiPerFoot = 0.444;
constexpr double kPsiPerSquareFoot = 0.3 / (1000.0 * 1000.0);

ModeFailure Mode(const char* name, ModeKind kind, double pressure) {
    return ModeFailure{name, kind, pressure > 0 ? pressure : kNotApplicablePressure};
}

}  // namespace

bool FactorsUsable(const SafetyFactors& factors) {
    return std::isfinite(factors.strength) && std::isfinite(factors.buckling) &&
           factors.strength >= kMinSafetyFactor && factors.buckling >= kMinSafetyFactor;
}

namespace {

std::vector<ModeFailure> ClassicalModes(const AnalysisState& s) {
    const ModeKind strength = ModeKind::Strength;
    switch (s.ComponentCode) {
        case kAnnularPlateComponent: {
            const auto& p = s.PlateFailurePressures;
            return {Mode("Radial moment failure", strength, p[1]),
                    Mode("Tangential moment failure", strength, p[2]),
                    Mode("Shear stress failure at the hole", strength, p[3]),
                    Mode("Shear stress failure at the free edge", strength, p[4]),
                    Mode("Seat failure", strength, p[5])};
        }
        case kCircularPlateComponent:
            return {Mode("Radial Stress Failure", strength, s.PlateRadialFailurePressure),
                    Mode("Tangential Stress Failure", strength, s.PlateTangentialFailurePressure),
                    Mode("Seat failure", strength, s.SeatFailurePressure)};
        default:
            return {Mode("Thin Wall Buckling", ModeKind::Buckling, s.BucklingPressure),
                    Mode("Shell failure", strength, s.ShellFailurePressure),
                    Mode("Seat failure", strength, s.SeatFailurePressure),
                    Mode("Shear failure", strength, s.ShearFailurePressure)};
    }
}

}  // namespace

std::vector<ModeFailure> ModeFailures(const AnalysisState& s, const CollapseEstimate& collapse) {
    std::vector<ModeFailure> modes = ClassicalModes(s);
    modes.push_back(Mode(kCollapseModeName, ModeKind::Collapse,
                         collapse.assessed ? collapse.estimate : kNotApplicablePressure));
    return modes;
}

Rating RateModes(const std::vector<ModeFailure>& modes, const SafetyFactors& factors) {
    Rating rating;
    for (const ModeFailure& mode : modes) {
        if (!mode.Applies()) continue;
        const double factor = mode.kind == ModeKind::Buckling ? factors.buckling : factors.strength;
        const double rated = mode.pressure / factor;
        if (!rating.rated || rated < rating.ratedPressure) {
            rating.rated = true;
            rating.ratedPressure = rated;
            rating.governingMode = mode.name;
            rating.governingFailurePressure = mode.pressure;
            rating.governingFactor = factor;
        }
    }
    return rating;
}

double PressureAtDepth(double depth, const std::string& depthUnit, UserMessages& messages) {
    if (!(depth > 0)) return 0.0;
    const double feet = depth / Conversion(depthUnit, messages);
    return kPsiPerFoot * feet + kPsiPerSquareFoot * feet * feet;
}

std::optional<std::string> RatePart(const DesignRecord& design, int16_t scope,
                                    const ResultsRequest& request, const SafetyFactors& factors,
                                    UserMessages& messages, PartRating& rated) {
    DesignRecord part = design;
    part.AnalysisScope = scope;
    AnalysisState s;
    if (auto why = SearchFailurePressures(part, request, messages, s)) return why;
    rated.componentCode = s.ComponentCode;
    rated.isEndcap = scope == kEndcapEditorScope;
    rated.collapse =
        EstimateCollapse(s, part.MaterialClass, request.useWorkingStrength, request.outOfRoundness);
    rated.modes = ModeFailures(s, rated.collapse);
    rated.rating = RateModes(rated.modes, factors);
    rated.advice = AdviseInteraction(s, rated.collapse);
    rated.failurePressure = s.FailurePressure;
    return std::nullopt;
}

std::string GoverningFailureMode(const PartRating& part) {
    std::vector<ModeFailure> classical;
    for (const ModeFailure& mode : part.modes) {
        if (mode.kind != ModeKind::Collapse) classical.push_back(mode);
    }
    return RateModes(classical, SafetyFactors{}).governingMode;
}

namespace {

// The part with the lowest rated pressure governs the housing (the first of equal ones).
void ChooseGoverningPart(HousingRating& housing) {
    housing.governingPart = 0;
    for (size_t i = 1; i < housing.parts.size(); ++i) {
        const Rating& best = housing.Governing().rating;
        const Rating& other = housing.parts[i].rating;
        if (other.rated && (!best.rated || other.ratedPressure < best.ratedPressure)) {
            housing.governingPart = static_cast<int>(i);
        }
    }
}

}  // namespace

HousingRating RateDesign(const DesignRecord& design, const ResultsRequest& request,
                         const SafetyFactors& factors, UserMessages& messages,
                         const DesignRecord* endcapDesign) {
    if (endcapDesign != nullptr) {
        return RateHousing(design, request, *endcapDesign, factors, messages);
    }
    HousingRating housing;
    std::vector<int16_t> scopes;
    if (design.BodyType > 0) scopes.push_back(kBodyEditorScope);
    if (design.EndcapType > 0) scopes.push_back(kEndcapEditorScope);
    if (scopes.empty()) {
        housing.error = "The design has no body or endcap that can be rated.";
        return housing;
    }
    for (const int16_t scope : scopes) {
        PartRating rated;
        if (auto why = RatePart(design, scope, request, factors, messages, rated)) {
            housing.error = *why;
            return housing;
        }
        housing.parts.push_back(std::move(rated));
    }
    ChooseGoverningPart(housing);
    return housing;
}

HousingRating RateHousing(const DesignRecord& bodyDesign, const ResultsRequest& bodyRequest,
                          const DesignRecord& endcapDesign, const SafetyFactors& factors,
                          UserMessages& messages) {
    HousingRating housing;
    if (bodyDesign.BodyType != kTubeBody) {
        housing.error = "The housing's first project is not a tube (only a tube has endcaps).";
        return housing;
    }
    if (endcapDesign.EndcapType <= 0) {
        housing.error = "The housing's endcap project has no endcap.";
        return housing;
    }
    housing = RateDesign(bodyDesign, bodyRequest, factors, messages);
    if (!housing.Ok()) return housing;
    PartRating endcap;
    if (auto why = RatePart(endcapDesign, kEndcapEditorScope, DefaultResultsRequest(endcapDesign),
                            factors, messages, endcap)) {
        housing.error = *why;
        return housing;
    }
    housing.parts.push_back(std::move(endcap));
    housing.endcapProject = std::filesystem::path(endcapDesign.ProjectFilePath).filename().string();
    ChooseGoverningPart(housing);
    return housing;
}

const char* PartName(const PartRating& part) {
    return part.isEndcap ? "Endcap" : "Body";
}

}  // namespace tidewell
