// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The flat annular plate, for each of its twelve restraints under a uniform pressure and under a
// line load, checked against plate mechanics computed here rather than against the formulas: the
// solution reaches exactly the edge values the restraint row gives, and slope, moments and shear
// agree with the deflection through the plate relations; and the seat ring's bearing stress.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/AnnularPlate.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::kPiExact;

enum class Edge { Fixed, SimplySupported, Guided, Free };

struct Restraint {
    const char* name;
    Edge outer;
    Edge inner;
};

// The restraint list of the annular plate, outer edge first.
constexpr Restraint kRestraints[12] = {
    {"FixedFree", Edge::Fixed, Edge::Free},
    {"FixedGuided", Edge::Fixed, Edge::Guided},
    {"FixedSimplySupported", Edge::Fixed, Edge::SimplySupported},
    {"FixedFixed", Edge::Fixed, Edge::Fixed},
    {"SimplySupportedFree", Edge::SimplySupported, Edge::Free},
    {"SimplySupportedGuided", Edge::SimplySupported, Edge::Guided},
    {"SimplySupportedSimplySupported", Edge::SimplySupported, Edge::SimplySupported},
    {"SimplySupportedFixed", Edge::SimplySupported, Edge::Fixed},
    {"GuidedSimplySupported", Edge::Guided, Edge::SimplySupported},
    {"GuidedFixed", Edge::Guided, Edge::Fixed},
    {"FreeSimplySupported", Edge::Free, Edge::SimplySupported},
    {"FreeFixed", Edge::Free, Edge::Fixed}};

// Plate geometry shared by the cases: steel, a = 5, hole b = 1.5, seat out to 5.5.
constexpr double kA = 5.0;
constexpr double kB = 1.5;
constexpr double kT = 0.5;
constexpr double kE = 30e6;
constexpr double kNu = 0.3;
constexpr double kRp = 5.5;
const double kD = kE * kT * kT * kT / (12 * (1 - kNu * kNu));

struct PlateCase {
    int16_t restraint;
    bool lineLoad;
    double load;  // q (psi) or w (lb/in)
    double r0;
};

std::string CaseName(const PlateCase& c) {
    return std::string(kRestraints[c.restraint].name) + (c.lineLoad ? "Line" : "Uniform");
}

std::string PlateName(const ::testing::TestParamInfo<PlateCase>& row) {
    return CaseName(row.param);
}

AnalysisState PlateState(int16_t restraint) {
    AnalysisState s = testing::EngineState(kAnnularPlateComponent, kB, kA, kT, kE, kNu, false);
    s.PlateOuterRadius = kRp;
    s.EdgeRestraint = restraint;
    return s;
}

// Everything the engine gives for one radius, as moments and shears per unit length.
struct Probe {
    double y, slope, Mr, Mt, Q;
    double ya, slopeA, Mra, Mta, Qa;
    double yb, slopeB, Mrb, Mtb, Qb;
};

Probe Evaluate(const PlateCase& c, double r) {
    AnalysisState s = PlateState(c.restraint);
    const double p = c.lineLoad ? 0.0 : c.load;
    const double w = c.lineLoad ? c.load : 0.0;
    ComputeStresses(s, p, r, c.r0, w, 2, c.lineLoad ? -1 : 0);
    EXPECT_FALSE(s.ResultNotFinite);
    const double m = kT * kT / 6;  // stress to moment per unit length
    // clang-format off
    const Probe v{s.PlateDeflectionAtR, s.PlateSlopeAtR, s.RadialMomentAtR, s.TangentialMomentAtR,
                  s.ShearForceAtR,
                  s.OuterEdgeDeflection, s.OuterEdgeSlope, s.OuterEdgeRadialStress * m,
                  s.OuterEdgeTangentialStress * m, s.OuterEdgeShearStress * kT,
                  s.InnerEdgeDeflection, s.InnerEdgeSlope, s.InnerEdgeRadialStress * m,
                  s.InnerEdgeTangentialStress * m, s.InnerEdgeShearStress * kT};
    // clang-format on
    // The stresses at r are the moments and shear at r over the section.
    EXPECT_NEAR(s.PlateRadialStressAtR * m, v.Mr, 1e-9 * (std::fabs(v.Mr) + 1));
    EXPECT_NEAR(s.PlateTangentialStressAtR * m, v.Mt, 1e-9 * (std::fabs(v.Mt) + 1));
    EXPECT_NEAR(s.PlateShearStressAtR * kT, v.Q, 1e-9 * (std::fabs(v.Q) + 1));
    return v;
}

double TotalLoad(const PlateCase& c) {
    return c.lineLoad ? 2 * kPiExact * c.r0 * c.load : c.load * kPiExact * (kA * kA - c.r0 * c.r0);
}

// Load between the hole and radius r.
double LoadInside(const PlateCase& c, double r) {
    if (r <= c.r0) return 0;
    return c.lineLoad ? 2 * kPiExact * c.r0 * c.load : c.load * kPiExact * (r * r - c.r0 * c.r0);
}

// Scales for the "is zero" checks: the deflection, slope, moment and shear this load produces.
struct Scales {
    double y, slope, M, Q;
};
Scales ScalesFor(const PlateCase& c) {
    const double force = TotalLoad(c) / (2 * kPiExact * kA);  // lb/in along the outer edge
    return {force * kA * kA * kA / kD, force * kA * kA / kD, force * kA, force};
}

class AnnularPlateCaseTest : public ::testing::TestWithParam<PlateCase> {};

TEST_P(AnnularPlateCaseTest, SolutionReachesTheReportedEdgeValues) {
    const PlateCase c = GetParam();
    const Scales z = ScalesFor(c);
    const double tol = 1e-9;
    const Probe atA = Evaluate(c, kA);
    EXPECT_NEAR(atA.y, atA.ya, tol * z.y);
    EXPECT_NEAR(atA.slope, atA.slopeA, tol * z.slope);
    EXPECT_NEAR(atA.Mr, atA.Mra, tol * z.M);
    EXPECT_NEAR(atA.Mt, atA.Mta, tol * z.M);
    EXPECT_NEAR(atA.Q, atA.Qa, tol * z.Q);
    const Probe atB = Evaluate(c, kB);
    EXPECT_NEAR(atB.y, atB.yb, tol * z.y);
    EXPECT_NEAR(atB.slope, atB.slopeB, tol * z.slope);
    EXPECT_NEAR(atB.Mr, atB.Mrb, tol * z.M);
    EXPECT_NEAR(atB.Mt, atB.Mtb, tol * z.M);
    EXPECT_NEAR(atB.Q, atB.Qb, tol * z.Q);
}

TEST_P(AnnularPlateCaseTest, PlateRelationsHoldAcrossTheWidth) {
    const PlateCase c = GetParam();
    const Scales z = ScalesFor(c);
    for (double fraction : {0.15, 0.45, 0.85}) {
        const double r = kB + fraction * (kA - kB);
        if (std::fabs(r - c.r0) < 0.05) continue;  // keep the differences off the load circle
        const double h = 1e-4 * kA;
        const Probe at = Evaluate(c, r);
        const Probe before = Evaluate(c, r - h);
        const Probe after = Evaluate(c, r + h);
        const double dy = (after.y - before.y) / (2 * h);
        const double d2y = (after.y - 2 * at.y + before.y) / (h * h);
        const std::string where = CaseName(c) + " at r = " + std::to_string(r);
        EXPECT_NEAR(at.slope, dy, 1e-6 * z.slope) << "slope is dy/dr, " << where;
        EXPECT_NEAR(at.Mr, kD * (d2y + kNu * dy / r), 1e-5 * z.M) << "Mr, " << where;
        EXPECT_NEAR(at.Mt, kD * (dy / r + kNu * d2y), 1e-5 * z.M) << "Mt, " << where;
        // Moment equilibrium of a ring element: d(r Mr)/dr - Mt = r Q.
        const double dRMr = ((r + h) * after.Mr - (r - h) * before.Mr) / (2 * h);
        EXPECT_NEAR(dRMr - at.Mt, r * at.Q, 1e-5 * z.M) << "moment equilibrium, " << where;
        // Vertical equilibrium of the ring between the hole and r.
        EXPECT_NEAR(2 * kPiExact * r * at.Q, 2 * kPiExact * kB * at.Qb - LoadInside(c, r),
                    1e-9 * TotalLoad(c))
            << "vertical equilibrium, " << where;
    }
}

std::vector<PlateCase> AllCases() {
    std::vector<PlateCase> cases;
    for (int16_t i = 0; i < 12; ++i) {
        cases.push_back({i, false, 100.0, 2.0});  // uniform 100 psi from r = 2 to the edge
        cases.push_back({i, true, 50.0, 3.0});    // 50 lb/in on the circle r = 3
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(TwentyFourCases, AnnularPlateCaseTest, ::testing::ValuesIn(AllCases()),
                         PlateName);

// Uniform pressure over the whole face, from the hole outwards.
INSTANTIATE_TEST_SUITE_P(WholeFace, AnnularPlateCaseTest,
                         ::testing::Values(PlateCase{3, false, 250.0, kB},
                                           PlateCase{6, false, 250.0, kB},
                                           PlateCase{10, false, 250.0, kB}),
                         PlateName);

struct SeatCase {
    std::string name;
    bool lineLoad;
    double plateRadius;
    double expected;  // internal pressure, worked by hand
};

class AnnularPlateSeat : public ::testing::TestWithParam<SeatCase> {};

TEST_P(AnnularPlateSeat, BearingStressOnTheSeatRing) {
    const SeatCase c = GetParam();
    AnalysisState s = PlateState(4);
    s.PlateOuterRadius = c.plateRadius;
    s.PressureDirection = kInternalPressure;
    s.PressureSign = 1;
    ComputeStresses(s, 100, 3, 2, 40, 2, c.lineLoad ? -1 : 0);
    EXPECT_NEAR(s.SeatStress, c.expected, 1e-9);
    AnalysisState external = s;
    external.PressureDirection = kExternalPressure;
    external.PressureSign = -1;
    ComputeStresses(external, 100, 3, 2, 40, 2, c.lineLoad ? -1 : 0);
    EXPECT_EQ(external.SeatStress, -s.SeatStress);
    EXPECT_EQ(external.PlateRadialStressAtR, s.PlateRadialStressAtR);
    EXPECT_EQ(external.PlateDeflectionAtR, s.PlateDeflectionAtR);
    EXPECT_EQ(external.InnerEdgeTangentialStress, s.InnerEdgeTangentialStress);
}

INSTANTIATE_TEST_SUITE_P(Seats, AnnularPlateSeat,
                         ::testing::Values(
                             // q (Rp^2 - b^2) / (Rp^2 - a^2) = 100 * (36 - 2.25) / (36 - 25)
                             SeatCase{"UniformLoad", false, 6, 306.8181818181818},
                             // total line load 2 pi r0 w over pi (Rp^2 - a^2): 2 * 40 * 2 / 11
                             SeatCase{"LineLoad", true, 6, 14.545454545454545},
                             SeatCase{"LineLoadNoSeatRing", true, 5, 0.0},
                             SeatCase{"UniformLoadNoSeatRing", false, 4.5, 0.0}),
                         testing::RowName<SeatCase>);

// Both loads at once are the sum of each load alone, the plate being linear: every summed value,
// at the hole, inside and at the free edge.
TEST(CombinedPlateLoads, AreTheSumOfEachLoadAlone) {
    using S = AnalysisState;
    for (const double r : {kB, 3.0, kA}) {
        AnalysisState both = PlateState(3), line = PlateState(3), uniform = PlateState(3);
        CombinedPlateLoads(both, 100, r, 3.5, 2, 40);
        ComputeStresses(line, 100, r, 3.5, 40, 2, -1);
        ComputeStresses(uniform, 100, r, 2, 0, 2, 0);
        for (double S::*f :
             {&S::PlateRadialStressAtR, &S::PlateTangentialStressAtR, &S::PlateDeflectionAtR,
              &S::PlateSlopeAtR, &S::InnerEdgeRadialStress, &S::OuterEdgeRadialStress,
              &S::InnerEdgeDeflection, &S::OuterEdgeSlope, &S::OuterEdgeShearStress}) {
            EXPECT_NEAR(both.*f, line.*f + uniform.*f, 1e-9 * (std::fabs(line.*f) + 1)) << r;
        }
    }
}

}  // namespace
}  // namespace tidewell
