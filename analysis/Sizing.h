// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sizing one dimension of a design to a target rating, and setting a dimension for a sweep.
// The varied part is the body when the design has one, else the endcap; the other dimensions stay
// as the project has them (for the wall: the I.D. kept, or the O.D. when asked).

#include <optional>
#include <string>

#include "analysis/DesignRecord.h"
#include "analysis/Rating.h"
#include "analysis/ResultsRequest.h"
#include "units/UserMessages.h"

namespace tidewell {

enum class SizedDimension { Wall, OuterDiameter, InnerDiameter, Length };

// Bounds of the sizing search: the scan of the physical range and the bisection after it.
inline constexpr int kSizingScanPoints = 48;
inline constexpr int kSizingMaxBisections = 200;
inline constexpr double kSizingTolerance = 1e-7;  // relative width of the final bracket

struct DimensionChoice {
    SizedDimension dimension = SizedDimension::Wall;
    bool keepOuterDiameter = false;  // the wall only: keep the O.D. instead of the I.D.
};

// The scope of the varied part: the body's when there is one, else the endcap's.
int16_t VariedScope(const DesignRecord& design);

// Why the dimension cannot be varied on this design (a sphere has no length, a plate only a
// thickness), or nothing.
std::optional<std::string> DimensionProblem(const DesignRecord& design,
                                            const DimensionChoice& choice);

// The field index of the dimension in its part's geometry arrays.
int DimensionField(const DimensionChoice& choice);

// The design with the dimension set to value (inches) and the dependent dimension following, the
// entered values kept in their units.
DesignRecord WithDimension(const DesignRecord& design, const DimensionChoice& choice,
                           double valueInches);

// The dimension's current value (inches).
double DimensionValue(const DesignRecord& design, const DimensionChoice& choice);

// The physical range searched (inches): from the weakest value to the strongest one.
struct DimensionRange {
    double weakest = 0;
    double strongest = 0;
};
DimensionRange PhysicalRange(const DesignRecord& design, const DimensionChoice& choice);

struct SizingResult {
    bool found = false;
    double value = 0;     // inches
    PartRating part;      // the rating at value
    std::string problem;  // why nothing was found; a whole sentence without units converted
    enum class Refusal {
        None,
        NoneReaches,
        AllReach,
        NotMonotonic,
        AnalysisStopped
    } refusal = Refusal::None;
    DimensionRange scanned;
    int valuesScanned = 0;
    double bestRatedPressure = 0;  // NoneReaches: the best rating met (psi) and where (inches)
    double bestValue = 0;
    double reachingValue = 0;  // NotMonotonic: a value that reaches the target ...
    double failingValue = 0;   // ... and a stronger one that does not
};

// The value of the dimension at which the varied part's rated pressure first reaches
// targetPressure (psi), coming from the weak end of the physical range: the smallest wall or
// O.D., the largest I.D. or length. The rating is scanned across the range first; the search is
// refused when no value reaches the target, when every value does, or when a stronger value than
// one that reaches the target falls short of it again.
SizingResult SizeDimension(const DesignRecord& design, const ResultsRequest& request,
                           const DimensionChoice& choice, const SafetyFactors& factors,
                           double targetPressure, UserMessages& messages);

}  // namespace tidewell
