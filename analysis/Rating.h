// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rating a design with the designer's safety factors: each failure pressure divided by its
// mode's factor, the smallest of them the rated pressure, and the rated depth by the sea-water
// law. A design with a body and an endcap is one housing: both parts are rated, each analysed as
// a run of that part alone, and the lower rating is the housing's. The failure pressures
// themselves are never changed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Advisories.h"
#include "analysis/AnalysisState.h"
#include "analysis/CollapseEstimate.h"
#include "analysis/DesignRecord.h"
#include "analysis/ResultsRequest.h"
#include "units/UserMessages.h"

namespace tidewell {

inline constexpr double kMinSafetyFactor = 1.0;

// Two factors: one on the strength modes (shell, seat, shear, plate bending), one on buckling.
struct SafetyFactors {
    double strength = 1.0;
    double buckling = 1.0;
};

// Both factors finite and at least 1.
bool FactorsUsable(const SafetyFactors& factors);

// The collapse estimate rates as a strength mode (its curve already allows for imperfections), but
// it is not one of the classical failure modes: it never names the governing failure mode.
enum class ModeKind { Strength, Buckling, Collapse };

inline const char* const kCollapseModeName = "Collapse estimate";

// One failure mode of an analysed component, named as its failure option names it.
struct ModeFailure {
    std::string name;
    ModeKind kind = ModeKind::Strength;
    double pressure = kNotApplicablePressure;  // psi; kNotApplicablePressure when it does not apply

    bool Applies() const { return pressure > 0 && pressure < kNotApplicablePressure; }
};

// The modes of the component in s, after its failure search, in the order of its options, and
// the collapse estimate last (not applicable where it is not assessed).
std::vector<ModeFailure> ModeFailures(const AnalysisState& s, const CollapseEstimate& collapse);

struct Rating {
    bool rated = false;                             // false when no mode applies
    double ratedPressure = kNotApplicablePressure;  // psi
    std::string governingMode;
    double governingFailurePressure = kNotApplicablePressure;  // psi, before its factor
    double governingFactor = 1.0;
};

// The smallest failure pressure ÷ factor over the modes that apply; ties go to the earlier mode.
Rating RateModes(const std::vector<ModeFailure>& modes, const SafetyFactors& factors);

// The pressure (psi) of a depth in one of the four depth units, by the sea-water law; 0 for a
// depth of 0 or less.
double PressureAtDepth(double depth, const std::string& depthUnit, UserMessages& messages);

// One part of a housing rated on its own.
struct PartRating {
    int16_t componentCode = 0;
    bool isEndcap = false;
    std::vector<ModeFailure> modes;
    Rating rating;
    InteractionAdvice advice;
    CollapseEstimate collapse;
    double failurePressure = kNotApplicablePressure;  // the governing failure pressure, psi
};

struct HousingRating {
    std::optional<std::string> error;  // why a part could not be analysed
    std::vector<PartRating> parts;     // the body first, then the endcap
    int governingPart = 0;             // index into parts of the lower rating
    std::string endcapProject;         // the file name of the endcap's own project, if it has one

    bool Ok() const { return !error.has_value(); }
    bool IsHousing() const { return parts.size() > 1; }
    const PartRating& Governing() const { return parts.at(static_cast<size_t>(governingPart)); }
};

// Rates one part of the design (scope kBodyEditorScope or kEndcapEditorScope) as the failure
// search of a run of that part alone. Returns why the run stopped, or nothing when rated.
std::optional<std::string> RatePart(const DesignRecord& design, int16_t scope,
                                    const ResultsRequest& request, const SafetyFactors& factors,
                                    UserMessages& messages, PartRating& rated);

// The classical mode whose failure pressure governs the part (the first of the lowest; the
// collapse estimate is not one of them); empty when none applies.
std::string GoverningFailureMode(const PartRating& part);

// Rates every part the design has (the body and the endcap; one of them when the design has one).
// The run of each part is the failure search of the analysis run of that part alone, with the
// request's options. Messages the searches raise go to messages. With endcapDesign, the housing
// of the design's tube and that endcap project (RateHousing).
HousingRating RateDesign(const DesignRecord& design, const ResultsRequest& request,
                         const SafetyFactors& factors, UserMessages& messages,
                         const DesignRecord* endcapDesign = nullptr);

// A housing kept in two projects, as the design form keeps one part per project: the body of
// bodyDesign (rated with bodyRequest) and the endcap of endcapDesign, each rated with its own
// material and options. Refused when the first is not a tube or the second has no endcap.
HousingRating RateHousing(const DesignRecord& bodyDesign, const ResultsRequest& bodyRequest,
                          const DesignRecord& endcapDesign, const SafetyFactors& factors,
                          UserMessages& messages);

// "Body" or "Endcap".
const char* PartName(const PartRating& part);

}  // namespace tidewell
