// The engine's entry: the reset of the result state and the flag that tells the caller a result
// is not finite.

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

TEST(ResetResults, ClearsTheSetsAndKeepsTheRest) {
    AnalysisState s = Shell(kTubeComponent, 2, 2.5, 0.5);
    s.PressureDirection = kInternalPressure;
    s.PressureSign = 1;
    ComputeStresses(s, 1000, 2, 0, 0, 5, 0);
    s.LobeCount = 7;
    s.BucklingPressure = 9;
    s.ShellFailurePressure = 8;
    s.SeatStress = 6;
    s.PlateRadialStressAtR = 5;
    const double equivalent = s.EquivalentStress;
    const double thinEquivalent = s.ThinEquivalentStress;
    const double thickEquivalent = s.ThickEquivalentStress;
    const double hoopAtR = s.HoopStressAtR;

    ResetResults(s);

    EXPECT_EQ(s.LobeCount, 2);
    for (double v : {s.BucklingPressure,
                     s.ShellFailurePressure,
                     s.WeightInAir,
                     s.WeightInWater,
                     s.ThinAxialStress,
                     s.ThinHoopStress,
                     s.ThinRadialStress,
                     s.ThinInnerRadiusChange,
                     s.ThinOuterRadiusChange,
                     s.ThinLengthChange,
                     s.ThickAxialStress,
                     s.ThickHoopStress,
                     s.ThickRadialStress,
                     s.ThickInnerRadiusChange,
                     s.ThickOuterRadiusChange,
                     s.ThickLengthChange,
                     s.AxialStress,
                     s.HoopStress,
                     s.RadialStress,
                     s.MaxShearStress,
                     s.InnerRadiusChange,
                     s.OuterRadiusChange,
                     s.LengthChange}) {
        EXPECT_EQ(v, 0.0);
    }
    EXPECT_EQ(s.EquivalentStress, equivalent);
    EXPECT_EQ(s.ThinEquivalentStress, thinEquivalent);
    EXPECT_EQ(s.ThickEquivalentStress, thickEquivalent);
    EXPECT_EQ(s.HoopStressAtR, hoopAtR);
    EXPECT_EQ(s.SeatStress, 6);
    EXPECT_EQ(s.PlateRadialStressAtR, 5);
}

}  // namespace
}  // namespace tidewell
