// One data row of the results table per component, checked against hand formulas.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "analysis/ResultsTable.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::kPiValue;
using testing::RowName;
using testing::SetGlass;
using testing::SetPlastic;
using testing::TitledMetal;

DesignRecord Tube(bool external) {
    DesignRecord d = TitledMetal();
    d.BodyType = kTubeBody;
    d.BodyDim = {4.8, 5, 0.1, 20, 0};
    d.PressureSource = external ? 1 : 0;
    return d;
}

DesignRecord Sphere(bool external) {
    DesignRecord d = TitledMetal();
    d.BodyType = kSphereBody;
    d.BodyDim = {9, 10, 0.5, 0, 0};
    d.PressureSource = external ? 1 : 0;
    return d;
}

DesignRecord Endcap(int16_t type, std::array<double, 8> dims, int16_t restraint, bool external) {
    DesignRecord d = TitledMetal();
    d.EndcapType = type;
    d.EndcapDim = dims;
    d.EdgeRestraint = restraint;
    d.PressureSource = external ? 1 : 0;
    return d;
}

DesignRecord Circular(int16_t restraint, bool external) {
    return Endcap(kFlatCircularEndcap, {6, 7, 0.5, 0, 0, 0, 0, 0}, restraint, external);
}

// ---- One data row per component, against hand formulas ----

std::string Fmt(double v, int16_t digits = 5) {
    int16_t n = digits, f = 2;
    if (std::fabs(v) < 1e-12) v = 0;
    return SigDigFormat(v, n, f);
}

ResultsView RunAtRange(const DesignRecord& design, int range,
                       const std::string& pressureUnit = "psi",
                       const std::string& stressUnit = "psi") {
    ResultsRequest request = DefaultResultsRequest(design);
    request.pressureRange = range;
    request.pressureUnit = pressureUnit;
    request.stressUnit = stressUnit;
    ScriptedMessages messages;
    ResultsView view = BuildResultsTable(design, request, messages);
    EXPECT_TRUE(messages.Empty());
    return view;
}

TEST(ResultsTableHandValues, ThinTubeUnderExternalPressure) {
    // 100 psi on a tube of mean radius 2.45 in, wall 0.1 in, length 20 in.
    const ResultsView view = RunAtRange(Tube(true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, R = 2.45, t = 0.1, L = 20, E = 10e6, nu = 0.33;
    const std::vector<std::string> expected = {"100.00",
                                               "",  // depth, below
                                               Fmt(-p * R / (2 * t)),
                                               Fmt(-p * R / t),
                                               Fmt(p * R / t * std::sqrt(0.75)),
                                               Fmt(-2 * p * R * R * (1 - nu / 2) / (E * t)),
                                               Fmt(-2 * p * R * R * (1 - nu / 2) / (E * t)),
                                               Fmt(-p * R * L * (0.5 - nu) / (E * t))};
    for (int col = 0; col < 8; ++col) {
        if (col == 1) continue;
        EXPECT_EQ(view.Cell(2, col), expected[static_cast<size_t>(col)]) << col;
    }
    // Depth of sea water for 100 psi: p = 0.444 D + 0.3e-6 D².
    const double depth = (std::sqrt(0.444 * 0.444 + 4 * 0.3e-6 * p) - 0.444) / (2 * 0.3e-6);
    EXPECT_EQ(view.Cell(2, 1), Fmt(depth));
    // Weights: the wall's volume in air; the full outer cylinder displaces sea water.
    const double air = (2.5 * 2.5 - 2.4 * 2.4) * kPiValue * L * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
    EXPECT_EQ(view.weightInWater, Fmt(air - 2.5 * 2.5 * kPiValue * L * 0.03704));
}

TEST(ResultsTableHandValues, ThickSphereUnderExternalPressure) {
    const ResultsView view = RunAtRange(Sphere(true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, a = 4.5, b = 5, a3 = a * a * a, b3 = b * b * b, E = 10e6, nu = 0.33;
    const double tangential = -3 * p * b3 / (2 * (b3 - a3));  // largest, at the bore
    EXPECT_EQ(view.Cell(2, 2), Fmt(tangential));
    EXPECT_EQ(view.Cell(2, 3), Fmt(tangential));
    EXPECT_EQ(view.Cell(2, 4), Fmt(-tangential));  // radial stress 0 at the bore
    EXPECT_EQ(view.Cell(2, 7), Fmt(2 * -3 * p * a * b3 * (1 - nu) / (2 * E * (b3 - a3))));
    // A full sphere weighs two hemispherical shells.
    const double air = 2 * (b3 - a3) * (2.0 / 3) * kPiValue * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
    EXPECT_EQ(view.weightInWater, Fmt(air - 2 * b3 * (2.0 / 3) * kPiValue * 0.03704));
}

TEST(ResultsTableHandValues, SimplySupportedCircularPlateAtItsCentre) {
    const ResultsView view = RunAtRange(Circular(0, true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, a = 3, Rp = 3.5, t = 0.5, E = 10e6, nu = 0.33;
    const double D = E * t * t * t / (12 * (1 - nu * nu));
    const double centre = 6 * p * a * a * (3 + nu) / (16 * t * t);
    EXPECT_EQ(view.Cell(2, 2), Fmt(centre));
    EXPECT_EQ(view.Cell(2, 3), Fmt(centre));
    EXPECT_EQ(view.Cell(2, 4), Fmt(-p * Rp * Rp / (Rp * Rp - a * a)));
    EXPECT_EQ(view.Cell(2, 5), Fmt(-p * a * a * a * a * (5 + nu) / (64 * D * (1 + nu))));
    EXPECT_EQ(view.Cell(2, 6), Fmt(-p * a / (2 * t)));
    EXPECT_EQ(view.failure.evalRadiusLabel, "Table eval dia., De = plate center for Max Radial");
    const double air = Rp * Rp * kPiValue * t * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
}

}  // namespace
}  // namespace tidewell
