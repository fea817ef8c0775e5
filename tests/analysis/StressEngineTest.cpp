// The engine's entry: wall-theory selection, the reset of the result state, the dispatch on the
// component code and the flag that tells the caller a result is not finite.

#include <gtest/gtest.h>

#include <string>

#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;

AnalysisState Shell(int16_t code, double innerRadius, double outerRadius, double thickness) {
    AnalysisState s;
    s.ComponentCode = code;
    s.InnerRadius = innerRadius;
    s.OuterRadius = outerRadius;
    s.WallThickness = thickness;
    s.MeanRadius = (innerRadius + outerRadius) / 2;
    s.BodyLength = 10;
    s.ConeHeight = 3;
    s.ConeMidHeight = 2.5;
    s.YoungsModulus = 30e6;
    s.PoissonRatio = 0.3;
    s.Density = 0.283;
    s.PressureDirection = kExternalPressure;
    s.PressureSign = -1;
    ResetResults(s);
    return s;
}

struct WallTheoryCase {
    std::string name;
    int16_t code;
    double innerRadius, outerRadius, thickness;
    bool forceThick;
    bool expectThin;
};

class WallTheoryTest : public ::testing::TestWithParam<WallTheoryCase> {};

TEST_P(WallTheoryTest, CopiesTheChosenSetAndNamesIt) {
    const WallTheoryCase c = GetParam();
    AnalysisState s = Shell(c.code, c.innerRadius, c.outerRadius, c.thickness);
    s.ForceThickWall = c.forceThick;
    ComputeStresses(s, 1000, c.innerRadius, 0, 0, 2, 0);

    EXPECT_EQ(s.WallTheory, c.expectThin ? "Thin Wall" : "Thick Wall");
    if (c.expectThin) {
        EXPECT_EQ(s.AxialStress, s.ThinAxialStress);
        EXPECT_EQ(s.HoopStress, s.ThinHoopStress);
        EXPECT_EQ(s.RadialStress, 0.0);
        EXPECT_EQ(s.EquivalentStress, s.ThinEquivalentStress);
        EXPECT_EQ(s.InnerRadiusChange, s.ThinInnerRadiusChange);
        EXPECT_EQ(s.OuterRadiusChange, s.ThinOuterRadiusChange);
        EXPECT_EQ(s.LengthChange, s.ThinLengthChange);
    } else {
        EXPECT_EQ(s.AxialStress, s.ThickAxialStress);
        EXPECT_EQ(s.HoopStress, s.ThickHoopStress);
        EXPECT_EQ(s.RadialStress, s.ThickRadialStress);
        EXPECT_EQ(s.EquivalentStress, s.ThickEquivalentStress);
        EXPECT_EQ(s.InnerRadiusChange, s.ThickInnerRadiusChange);
        EXPECT_EQ(s.OuterRadiusChange, s.ThickOuterRadiusChange);
        EXPECT_EQ(s.LengthChange, s.ThickLengthChange);
    }
    // Both sets are computed whichever is shown (the cone has no thick-wall set).
    EXPECT_NE(s.ThinHoopStress, 0.0);
    if (c.code != kConeComponent) {
        EXPECT_NE(s.ThickHoopStress, 0.0);
    }
    EXPECT_FALSE(s.ResultNotFinite);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, WallTheoryTest,
    ::testing::Values(
        // R / t = 12
        WallTheoryCase{"TubeRatio12", kTubeComponent, 5.75, 6.25, 0.5, false, true},
        WallTheoryCase{"TubeRatio12Forced", kTubeComponent, 5.75, 6.25, 0.5, true, false},
        // R / t = 10 exactly counts as thick
        WallTheoryCase{"TubeRatio10", kTubeComponent, 4.75, 5.25, 0.5, false, false},
        WallTheoryCase{"SphereRatio20", kSphereComponent, 9.75, 10.25, 0.5, false, true},
        WallTheoryCase{"HemiEndcapRatio20Forced", kHemiEndcapComponent, 9.75, 10.25, 0.5, true,
                       false},
        // The cone has only membrane formulas: thin whatever the option and the ratio.
        WallTheoryCase{"ConeRatio5Forced", kConeComponent, 2.25, 2.75, 0.5, true, true}),
    RowName<WallTheoryCase>);

TEST(WallTheory, PlatesAreThickWallAndLeaveTheShellSetAlone) {
    for (int16_t code : {kAnnularPlateComponent, kCircularPlateComponent}) {
        AnalysisState s;
        s.ComponentCode = code;
        s.OuterRadius = 4;
        s.InnerRadius = code == kCircularPlateComponent ? 5 : 1;
        s.PlateOuterRadius = 5;
        s.WallThickness = 0.5;
        s.MeanRadius = (s.OuterRadius + s.InnerRadius) / 2;
        s.YoungsModulus = 30e6;
        s.PoissonRatio = 0.3;
        s.EdgeRestraint = 0;
        s.HoopStress = 123;
        s.AxialStress = 456;
        ComputeStresses(s, 100, 2, 1, 0, 2, 0);
        EXPECT_EQ(s.WallTheory, "Thick Wall") << code;
        EXPECT_EQ(s.HoopStress, 123) << code;
        EXPECT_EQ(s.AxialStress, 456) << code;
        EXPECT_FALSE(s.ResultNotFinite) << code;
    }
}

struct NotFiniteCase {
    std::string name;
    int16_t code;
    double innerRadius, outerRadius, thickness;
    int16_t restraint;
    bool expectNotFinite;
    bool expectUnknownRestraint;
};

class NotFiniteTest : public ::testing::TestWithParam<NotFiniteCase> {};

TEST_P(NotFiniteTest, FlagsDivisionByZeroAndClearsOnASoundCall) {
    const NotFiniteCase c = GetParam();
    AnalysisState s = Shell(c.code, c.innerRadius, c.outerRadius, c.thickness);
    s.PlateOuterRadius = c.outerRadius + 1;
    s.EdgeRestraint = c.restraint;
    ComputeStresses(s, 1000, c.innerRadius > 0 ? c.innerRadius : 1, 0.5, 10, 2, 0);
    EXPECT_EQ(s.ResultNotFinite, c.expectNotFinite);
    EXPECT_EQ(s.UnknownEdgeRestraint, c.expectUnknownRestraint);

    // The same state with sound geometry clears the flags.
    AnalysisState sound = Shell(c.code, 2, 3, 1);
    sound.PlateOuterRadius = 4;
    sound.EdgeRestraint = 0;
    s = sound;
    s.ResultNotFinite = true;
    s.UnknownEdgeRestraint = true;
    ComputeStresses(s, 1000, 2, 0.5, 10, 2, 0);
    EXPECT_FALSE(s.ResultNotFinite);
    EXPECT_FALSE(s.UnknownEdgeRestraint);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, NotFiniteTest,
    ::testing::Values(
        NotFiniteCase{"TubeNoWall", kTubeComponent, 2, 2, 0, 0, true, false},
        NotFiniteCase{"ConeNoWall", kConeComponent, 2, 2, 0, 0, true, false},
        NotFiniteCase{"CircularPlateNoThickness", kCircularPlateComponent, 5, 4, 0, 0, true, false},
        NotFiniteCase{"CircularPlateNoRestraint", kCircularPlateComponent, 5, 4, 0.5, -1, true,
                      true},
        NotFiniteCase{"AnnularPlateNoHole", kAnnularPlateComponent, 0, 4, 0.5, 4, true, false},
        NotFiniteCase{"AnnularPlateRestraint12", kAnnularPlateComponent, 1, 4, 0.5, 12, true, true},
        NotFiniteCase{"TubeSound", kTubeComponent, 2, 3, 1, 0, false, false}),
    RowName<NotFiniteCase>);

}  // namespace
}  // namespace tidewell
