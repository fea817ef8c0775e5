// Failure evaluation of the flat annular plate. Edge shear and seat pressures are checked against
// the plate's equilibrium (the load on the plate is carried by the supported edge and the seat
// ring); the bending scan against a brute-force minimum over the same radii.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/PlateFailure.h"
#include "analysis/ResultsTable.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::Fmt;
using testing::RowName;

// Plate: free radius a = 3, seat radius Rp = 3.5, hole radius b = 0.5, t = 0.5 in; line load on
// the circle r0 = 2 standing for the pressure on a disc of radius 2.5; uniform load from 0.5.
constexpr double kA = 3, kRp = 3.5, kB = 0.5, kT = 0.5, kR0 = 2, kRlo = 2.5, kRu = 0.5;
constexpr double kY = 35000;

DesignRecord AnnularDesign(int16_t restraint, bool uniform, bool line, bool external) {
    DesignRecord d;
    d.ProjectTitle = "Endcap";
    d.EndcapType = kFlatAnnularEndcap;
    d.EdgeRestraint = restraint;
    d.UniformLoadOn = uniform ? kTrue : kFalse;
    d.LineLoadOn = line ? kTrue : kFalse;
    d.PressureSource = external ? 1 : 0;
    d.EndcapDim = {2 * kA, 2 * kRp, kT, 2 * kB, 2 * kR0, 50, 2 * kRu, 2 * kRlo};
    d.MaterialName = d.LoadedMaterialName = "6061-T6";
    d.MaterialClass = "Metals";
    d.YoungsModulus = 10.0e6;
    d.PoissonsRatio = 0.33;
    d.Density = 0.098;
    d.YieldStrength = kY;
    return d;
}

constexpr double kNA = 0;       // the mode does not apply
constexpr double kOracle = -1;  // no closed form here: taken from the plate at 1000 psi

// Load the plate carries per psi, as force per unit length of the circles at the edges:
// uniform q over r0u..a gives q(a² - r0u²)/2 per radian, the line load w·r0 = p·Rlo²/2.
constexpr double kUniformMoment = (kA * kA - kRu * kRu) / 2;
constexpr double kLineMoment = kRlo * kRlo / 2;

struct PlateCase {
    const char* name;
    int16_t restraint;
    bool uniform, line, external;
    double holeShear, freeShear, seat;  // expected failure pressures, psi
};

// Twice the edge shear stress 2Q/t meets the strength: Q·r = carried load per radian.
constexpr double ShearPressure(double edgeRadius, double loadPerPsi) {
    return kY * kT * edgeRadius / (2 * loadPerPsi);
}
// The seat ring Rp² - a² carries the whole load: (Rp² - b²) for the uniform pressure over the
// whole ring face, Rlo² for the line load.
constexpr double SeatPressure(double loadArea) {
    return kY * (kRp * kRp - kA * kA) / loadArea;
}

const PlateCase kPlateCases[] = {
    {"SimplySupportedFreeBothExternal", 4, true, true, true, kNA,
     ShearPressure(kA, kUniformMoment + kLineMoment),
     SeatPressure(kRp* kRp - kB * kB + kRlo * kRlo)},
    {"FixedFreeLineInternal", 0, false, true, false, kNA, ShearPressure(kA, kLineMoment), kNA},
    {"FixedFixedUniformInternal", 3, true, false, false, kOracle, kOracle, kNA},
    {"GuidedSimplySupportedLineExternal", 8, false, true, true, ShearPressure(kB, kLineMoment), kNA,
     SeatPressure(kRlo* kRlo)},
    {"FreeFixedUniformExternal", 11, true, false, true, ShearPressure(kB, kUniformMoment), kNA,
     SeatPressure(kRp* kRp - kB * kB)},
    {"FreeSimplySupportedBothExternal", 10, true, true, true,
     ShearPressure(kB, kUniformMoment + kLineMoment), kNA,
     SeatPressure(kRp* kRp - kB * kB + kRlo * kRlo)},
};

struct Scan {
    double pressure = std::numeric_limits<double>::infinity();
    double radius = 0;
};

// The lowest bending failure pressure over the scan radii, first radius on ties, from the plate's
// stress at 1000 psi (stress is proportional to pressure).
Scan BruteForceBending(AnalysisState s, int n, bool radial) {
    Scan best;
    for (int i = 0; i < n; ++i) {
        const double r = i == n - 1 ? s.OuterRadius
                                    : s.InnerRadius + i * (s.OuterRadius - s.InnerRadius) / (n - 1);
        ComputeSelectedPlateLoads(s, 1000, r);
        const double stress = radial ? s.PlateRadialStressAtR : s.PlateTangentialStressAtR;
        const double p =
            std::fabs(stress) < 1e-7 ? kNotApplicablePressure : 1000 * kY / std::fabs(stress);
        if (i == 0 || p < best.pressure) best = {p, r};
    }
    return best;
}

double EdgeOracle(AnalysisState s, bool hole) {
    ComputeSelectedPlateLoads(s, 1000, s.OuterRadius);
    const double stress = 2 * (hole ? s.InnerEdgeShearStress : s.OuterEdgeShearStress);
    return stress == 0 ? kNotApplicablePressure : 1000 * kY / std::fabs(stress);
}

void ExpectPressure(double found, double expected, const char* what) {
    if (expected == kNA) {
        EXPECT_EQ(found, kNotApplicablePressure) << what;
    } else {
        EXPECT_NEAR(found / expected, 1.0, 1e-4) << what;
    }
}

// Loads the design with the default request into s and runs the plate evaluation on it; no run
// may talk to the user.
PlateFailureResult RunPlateFailure(AnalysisState& s, const DesignRecord& design,
                                   const PlateFailureSettings& settings) {
    s = LoadAnalysisState(design, DefaultResultsRequest(design));
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    PlateFailureResult result = FindPlateFailurePressures(s, settings, format);
    EXPECT_TRUE(messages.Empty());
    return result;
}

class PlateFailureRows : public ::testing::TestWithParam<PlateCase> {};

TEST_P(PlateFailureRows, FindsEveryModeAndTheGoverningOne) {
    const PlateCase& c = GetParam();
    const DesignRecord design = AnnularDesign(c.restraint, c.uniform, c.line, c.external);
    const AnalysisState loaded = LoadAnalysisState(design, DefaultResultsRequest(design));
    AnalysisState s;
    const PlateFailureResult result = RunPlateFailure(s, design, {"Metals", "psi", 0, 50, false});
    ASSERT_FALSE(result.error) << *result.error;
    const auto& P = s.PlateFailurePressures;
    const auto& R = s.PlateFailureRadii;

    // Bending: the lowest over the scan radii, and at that radius the stress meets the strength.
    const Scan radial = BruteForceBending(loaded, 50, true);
    const Scan tangential = BruteForceBending(loaded, 50, false);
    ExpectPressure(P[1], radial.pressure, "radial");
    EXPECT_DOUBLE_EQ(R[1], radial.radius);
    ExpectPressure(P[2], tangential.pressure, "tangential");
    EXPECT_DOUBLE_EQ(R[2], tangential.radius);
    for (int mode : {1, 2}) {
        if (P[mode] >= kNotApplicablePressure) continue;
        AnalysisState at = loaded;
        ComputeSelectedPlateLoads(at, P[mode], R[mode]);
        const double stress = mode == 1 ? at.PlateRadialStressAtR : at.PlateTangentialStressAtR;
        EXPECT_NEAR(std::fabs(stress) / kY, 1.0, 1e-4) << "mode " << mode;
    }

    // Edges and seat from equilibrium.
    ExpectPressure(P[3], c.holeShear == kOracle ? EdgeOracle(loaded, true) : c.holeShear, "hole");
    ExpectPressure(P[4], c.freeShear == kOracle ? EdgeOracle(loaded, false) : c.freeShear,
                   "free edge");
    ExpectPressure(P[5], c.seat, "seat");
    EXPECT_EQ(R[3], kB);
    EXPECT_EQ(R[4], kA);
    EXPECT_EQ(R[5], kB);

    // Governing: the lowest, ties to the lower mode.
    int governing = 1;
    for (int mode = 2; mode <= 5; ++mode) {
        if (P[mode] < P[governing]) governing = mode;
    }
    EXPECT_EQ(s.PlateFailureMode, governing);
    EXPECT_EQ(P[0], P[governing]);
    EXPECT_EQ(R[0], R[governing]);
    EXPECT_EQ(s.FailurePressure, P[governing]);
    EXPECT_EQ(result.frame.selected, governing);

    // The stress table: one row per scan radius, from the hole edge to exactly the free edge.
    ASSERT_EQ(s.PlateStressTable.size(), 50u);
    EXPECT_EQ(s.PlateStressTable.front().Radius, static_cast<float>(kB));
    EXPECT_EQ(s.PlateStressTable.back().Radius, static_cast<float>(kA));
    AnalysisState at = loaded;
    ComputeSelectedPlateLoads(at, 1000, kA);
    EXPECT_EQ(s.PlateStressTable.back().RadialStress, static_cast<float>(at.PlateRadialStressAtR));
    EXPECT_EQ(s.PlateStressTable.back().TangentialStress,
              static_cast<float>(at.PlateTangentialStressAtR));

    // One of the two shear buttons shows: the free edge only when strictly lower.
    ASSERT_EQ(result.frame.options.size(), 5u);
    const bool freeShown = P[4] < P[3];
    EXPECT_EQ(result.frame.options[2].visible, !freeShown);
    EXPECT_EQ(result.frame.options[3].visible, freeShown);
    EXPECT_TRUE(result.frame.options[0].visible);
    EXPECT_TRUE(result.frame.options[4].visible);
    EXPECT_EQ(result.frame.annularEvalLabel, "Table eval dia., De (inches):");
}

INSTANTIATE_TEST_SUITE_P(PlateFailure, PlateFailureRows, ::testing::ValuesIn(kPlateCases),
                         RowName<PlateCase>);

TEST(PlateFailure, HoleAsLargeAsThePlateStopsWithAMessage) {
    DesignRecord design = AnnularDesign(4, true, true, true);
    design.EndcapDim[3] = design.EndcapDim[0];  // hole = free diameter
    AnalysisState s;
    const PlateFailureResult result = RunPlateFailure(s, design, {"Metals", "psi", 0, 50, false});
    ASSERT_TRUE(result.error);
    EXPECT_NE(result.error->find("center hole"), std::string::npos) << *result.error;
}

}  // namespace
}  // namespace tidewell
