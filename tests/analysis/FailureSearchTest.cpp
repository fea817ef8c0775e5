// Failure pressure searches of the shells and the flat circular plate, checked against closed-form
// mechanics: the expected failure pressure of each mode is the strength divided by the stress per
// psi of that mode.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/FailureSearch.h"
#include "analysis/ResultsTable.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"
#include "units/Units.h"

namespace tidewell {
namespace {

using testing::kPiValue;
using testing::RowName;
using testing::SetGlass;
using testing::SetMetal;
using testing::SetPlastic;
using testing::TitledMetal;

DesignRecord Body(int16_t type, double id, double od, double wall, double length) {
    DesignRecord d = TitledMetal();
    d.BodyType = type;
    d.BodyDim = {id, od, wall, length, 0};
    return d;
}

DesignRecord Endcap(int16_t type, std::array<double, 8> dims, int16_t restraint) {
    DesignRecord d;
    d.ProjectTitle = "Housing";
    d.EndcapType = type;
    d.EndcapDim = dims;
    d.EdgeRestraint = restraint;
    SetMetal(d);
    return d;
}

// A thin plastic tube under internal pressure: mean radius 2.45, wall 0.1 in.
DesignRecord ThinPlasticTube() {
    DesignRecord d = Body(kTubeBody, 4.8, 5, 0.1, 20);
    SetPlastic(d);
    return d;
}

// Roark's buckling pressure of a tube of mean radius R for n lobes, with the program's 0.8 factor.
double TubeBuckling(double E, double nu, double t, double R, double L, int n) {
    const double x = n * L / (R * kPiValue);
    const double y = R * kPiValue / (n * L);
    const double f = 1 / (n * n * std::pow(x * x + 1, 2)) +
                     (t * t * n * n / (12 * R * R * (1 - nu * nu))) * std::pow(y * y + 1, 2);
    return (E * t / R) * f * 0.8 / (0.5 * y * y + 1);
}

struct Lobes {
    double pressure;
    int count;
};

// The lowest buckling pressure over every lobe count 2 to 1000 (ties to the smaller count).
Lobes LowestBuckling(double E, double nu, double t, double R, double L) {
    Lobes best{TubeBuckling(E, nu, t, R, L, 2), 2};
    for (int n = 3; n <= 1000; ++n) {
        const double p = TubeBuckling(E, nu, t, R, L, n);
        if (p < best.pressure) best = {p, n};
    }
    return best;
}

double VonMises(double a, double h, double r) {
    return std::sqrt(((r - a) * (r - a) + (a - h) * (a - h) + (h - r) * (h - r)) / 2);
}

constexpr double kNA = 0;  // expected pressure of a mode that does not apply

struct ShellCase {
    const char* name;
    std::function<DesignRecord()> design;
    int16_t useWorkingStrength;
    const char* failureUnit;
    // Expected failure pressures (psi), from mechanics; kNA for a mode that does not apply.
    std::function<std::array<double, 4>(const DesignRecord&)> expected;
    int governing;           // 1 buckling, 2 shell, 3 seat, 4 shear
    const char* wallSuffix;  // " (Thick wall eq's)" or " (Thin wall eq's)"
    bool lobesInCaption;
};

double Mean(double a, double b) {
    return (a + b) / 2;
}

const ShellCase kShellCases[] = {
    {"TubeExternalThinMetal",
     [] {
         DesignRecord d = Body(kTubeBody, 4.8, 5, 0.1, 20);
         d.PressureSource = 1;
         return d;
     },
     0, "Ksi",
     [](const DesignRecord& d) {
         const double R = Mean(2.4, 2.5), t = 0.1;
         // Thin wall: hoop -pR/t, axial half of it; von Mises = pR/t * sqrt(3)/2.
         const double shell = d.YieldStrength * t / (R * std::sqrt(0.75));
         const double buckling =
             LowestBuckling(d.YoungsModulus, d.PoissonsRatio, t, R, 20).pressure;
         return std::array<double, 4>{buckling, shell, kNA, kNA};
     },
     1, " (Thin wall eq's)", true},
    {"TubeExternalThickMetal",
     [] {
         DesignRecord d = Body(kTubeBody, 4, 5, 0.5, 20);
         d.PressureSource = 1;
         return d;
     },
     0, "psi",
     [](const DesignRecord& d) {
         const double a = 2, b = 2.5, k = b * b / (b * b - a * a);
         // Lame at the bore: axial -pk, hoop -2pk, radial 0.
         const double shell = d.YieldStrength / VonMises(-k, -2 * k, 0);
         const double buckling =
             LowestBuckling(d.YoungsModulus, d.PoissonsRatio, 0.5, Mean(a, b), 20).pressure;
         return std::array<double, 4>{buckling, shell, kNA, kNA};
     },
     2, " (Thick wall eq's)", true},
    {"TubeInternalPlasticWorking", ThinPlasticTube, 1, "Bar",
     [](const DesignRecord& d) {
         return std::array<double, 4>{kNA, d.SecondaryStrength * 0.1 / Mean(2.4, 2.5), kNA, kNA};
     },
     2, " (Thin wall eq's)", false},
    {"SphereExternalThickMetal",
     [] {
         DesignRecord d = Body(kSphereBody, 9, 10, 0.5, 0);
         d.PressureSource = 1;
         return d;
     },
     0, "m (sea)",
     [](const DesignRecord& d) {
         const double a = 4.5, b = 5, R = Mean(a, b), t = 0.5;
         // Thick sphere at the bore: both tangential stresses -3pb³/(2(b³-a³)), radial 0.
         const double shell = d.YieldStrength * 2 * (b * b * b - a * a * a) / (3 * b * b * b);
         const double buckling = 0.365 * d.YoungsModulus * t * t / (R * R);
         return std::array<double, 4>{buckling, shell, kNA, kNA};
     },
     2, " (Thick wall eq's)", false},
    {"HemiEndcapExternalGlass",
     [] {
         DesignRecord d = Endcap(kHemisphericalEndcap, {9, 10, 0.5, 0, 0, 0, 0, 0}, -1);
         SetGlass(d);
         d.PressureSource = 1;
         return d;
     },
     0, "Ksi",
     [](const DesignRecord& d) {
         const double a = 4.5, b = 5, R = Mean(a, b), t = 0.5;
         // Compressive hoop and seat stresses meet the compressive strength.
         const double shell = d.SecondaryStrength * 2 * (b * b * b - a * a * a) / (3 * b * b * b);
         const double seat = d.SecondaryStrength * (b * b - a * a) / (b * b);
         const double buckling = 0.365 * d.YoungsModulus * t * t / (R * R);
         return std::array<double, 4>{buckling, shell, seat, kNA};
     },
     2, " (Thick wall eq's)", false},
    {"ConeExternalMetal",
     [] {
         DesignRecord d = Endcap(kConicalEndcap, {4, 5, 0.25, 3, 0, 0, 0, 0}, -1);
         d.PressureSource = 1;
         return d;
     },
     0, "psi",
     [](const DesignRecord& d) {
         const double a = 2, b = 2.5, R = Mean(a, b), t = 0.25;
         const double alpha = std::atan(5.0 / 6.0);  // fixed point of the half-angle iteration
         // Membrane: meridional pR/(2t cos a), hoop twice that; von Mises sqrt(3) x meridional.
         const double shell = d.YieldStrength * 2 * t * std::cos(alpha) / (R * std::sqrt(3.0));
         const double seat = d.YieldStrength * (b * b - a * a) / (b * b);
         return std::array<double, 4>{kNA, shell, seat, kNA};
     },
     2, " (Thin wall eq's)", false},
};

class ShellSearchRows : public ::testing::TestWithParam<ShellCase> {};

TEST_P(ShellSearchRows, FindsEachModeAndTheGoverningOne) {
    const ShellCase& c = GetParam();
    const DesignRecord design = c.design();
    ResultsRequest request = DefaultResultsRequest(design);
    request.useWorkingStrength = c.useWorkingStrength;
    request.forceThickWall = design.ForceThickWall;
    AnalysisState s = LoadAnalysisState(design, request);
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    FailureSearchSettings settings{design.MaterialClass, c.failureUnit, 0};
    const FailureSearchResult result = FindFailurePressures(s, settings, format);
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_TRUE(messages.Empty());

    const std::array<double, 4> expected = c.expected(design);
    const std::array<double, 4> found = {s.BucklingPressure, s.ShellFailurePressure,
                                         s.SeatFailurePressure, s.ShearFailurePressure};
    for (int mode = 0; mode < 4; ++mode) {
        if (expected[mode] == kNA) {
            EXPECT_EQ(found[mode], kNotApplicablePressure) << "mode " << mode + 1;
        } else {
            EXPECT_NEAR(found[mode] / expected[mode], 1.0, 1e-4) << "mode " << mode + 1;
        }
    }

    // Captions, written from the expected pressures.
    int16_t digits = 5, notation = 2;
    auto value = [&](double p) {
        return SigDigFormat(p * DepthConversion(p, c.failureUnit, messages), digits, notation) +
               " " + c.failureUnit;
    };
    ASSERT_EQ(result.frame.options.size(), 4u);
    std::string buckling = expected[0] == kNA ? "Thin Wall Buckling N/A"
                                              : "Thin Wall Buckling at " + value(expected[0]);
    if (c.lobesInCaption) buckling += " by " + std::to_string(s.LobeCount) + " nodes";
    EXPECT_EQ(result.frame.options[0].caption, buckling);
    EXPECT_EQ(result.frame.options[1].caption,
              "Shell failure at " + value(expected[1]) + c.wallSuffix);
    EXPECT_EQ(result.frame.options[2].caption,
              expected[2] == kNA ? "Seat failure N/A" : "Seat failure at " + value(expected[2]));
    EXPECT_EQ(result.frame.options[3].caption,
              expected[3] == kNA ? "Shear failure N/A" : "Shear failure at " + value(expected[3]));
    for (const FailureOption& option : result.frame.options) EXPECT_TRUE(option.visible);

    EXPECT_EQ(result.frame.selected, c.governing);
    EXPECT_EQ(s.FailureMode, c.governing);
    EXPECT_EQ(s.FailurePressure, found[c.governing - 1]);
    for (double p : found) EXPECT_LE(s.FailurePressure, p);
}

INSTANTIATE_TEST_SUITE_P(FailureSearch, ShellSearchRows, ::testing::ValuesIn(kShellCases),
                         RowName<ShellCase>);

// Flat circular plate, a = 3 in free radius, Rp = 3.5 in plate radius, t = 0.5 in, nu = 0.33.
struct PlateCase {
    const char* name;
    int16_t restraint;
    int16_t unitSystem;
    int16_t pressureSource;
    const char* radialSuffix;
    const char* evalLabel;
    int governing;
    // Stress per psi of the radial, tangential and seat modes (0: mode does not apply).
    double radialPerPsi, tangentialPerPsi, seatPerPsi;
};

constexpr double kA = 3, kRp = 3.5, kT = 0.5, kNu = 0.33;
// Simply supported: centre moment pa²(3+nu)/16; fixed: centre pa²(1+nu)/16, edge pa²/8.
constexpr double kSimpleCentre = 6 * kA * kA * (3 + kNu) / (16 * kT * kT);
constexpr double kFixedCentre = 6 * kA * kA * (1 + kNu) / (16 * kT * kT);
constexpr double kFixedEdge = 0.75 * kA * kA / (kT * kT);
constexpr double kSeat = kRp * kRp / (kRp * kRp - kA * kA);

const PlateCase kPlateCases[] = {
    {"SimplySupportedExternal", 0, 0, 1, " (plate center)",
     "Table eval dia., De = plate center for Max Radial", 1, kSimpleCentre, kSimpleCentre, kSeat},
    {"FixedExternalMillimetres", 1, 1, 1, " (free dia. = 152.40 mm)",
     "Table eval dia., De = plate free diameter for Max Radial", 1, kFixedEdge, kFixedCentre,
     kSeat},
};

class CircularPlateSearchRows : public ::testing::TestWithParam<PlateCase> {};

TEST_P(CircularPlateSearchRows, FindsRadialTangentialAndSeat) {
    const PlateCase& c = GetParam();
    DesignRecord design =
        Endcap(kFlatCircularEndcap, {2 * kA, 2 * kRp, kT, 0, 0, 0, 0, 0}, c.restraint);
    design.UnitSystem = c.unitSystem;
    design.PressureSource = c.pressureSource;
    AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    const FailureSearchResult result =
        FindFailurePressures(s, {"Metals", "Ksi", c.unitSystem}, format);
    ASSERT_FALSE(result.error);
    const double Y = design.YieldStrength;
    EXPECT_NEAR(s.PlateRadialFailurePressure / (Y / c.radialPerPsi), 1, 1e-4);
    EXPECT_NEAR(s.PlateTangentialFailurePressure / (Y / c.tangentialPerPsi), 1, 1e-4);
    if (c.seatPerPsi == 0) {
        EXPECT_EQ(s.SeatFailurePressure, kNotApplicablePressure);
    } else {
        EXPECT_NEAR(s.SeatFailurePressure / (Y / c.seatPerPsi), 1, 1e-4);
    }
    int16_t digits = 5, notation = 2;
    auto ksi = [&](double p) { return SigDigFormat(p / 1000, digits, notation) + " Ksi"; };
    ASSERT_EQ(result.frame.options.size(), 4u);
    EXPECT_EQ(result.frame.options[0].caption,
              "Radial Stress Failure at " + ksi(Y / c.radialPerPsi) + c.radialSuffix);
    EXPECT_EQ(result.frame.options[1].caption,
              "Tangential Stress Failure at " + ksi(Y / c.tangentialPerPsi) + " (plate center)");
    EXPECT_EQ(result.frame.options[2].caption,
              c.seatPerPsi == 0 ? "Seat failure N/A" : "Seat failure at " + ksi(Y / c.seatPerPsi));
    EXPECT_FALSE(result.frame.options[3].visible);
    EXPECT_TRUE(result.frame.options[0].visible);
    // Equal radial and tangential pressures (simply supported centre) go to radial.
    EXPECT_EQ(result.frame.selected, c.governing);
    EXPECT_EQ(result.frame.evalRadiusLabel, c.evalLabel);
    EXPECT_EQ(result.frame.evalRadiusLabel2,
              "Table eval dia., De = plate center for Max Tangential");
    EXPECT_EQ(s.TableEvalRadius, c.restraint == 1 ? kA : 0.0);
}

INSTANTIATE_TEST_SUITE_P(FailureSearch, CircularPlateSearchRows, ::testing::ValuesIn(kPlateCases),
                         RowName<PlateCase>);

}  // namespace
}  // namespace tidewell
