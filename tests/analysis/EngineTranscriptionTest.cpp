// Literal values of every engine branch, worked out independently (30-digit arithmetic, term by
// term from the published formulas) for one geometry per branch and for all twenty-four
// restraint and load cases of the annular plate. The mechanics tests next to this file check that
// the results are physically right; these pin the exact numbers the program is meant to show,
// so that a changed coefficient, sign or exponent cannot hide behind a tolerance.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AnnularPlate.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;
using testing::SteelAnnularPlate;

void ExpectPinned(double actual, double expected, const std::string& what) {
    // 1e-10 relative leaves room for rounding in double arithmetic, nothing more.
    EXPECT_NEAR(actual, expected, 1e-10 * std::fabs(expected) + 1e-15) << what;
}

AnalysisState Shell(int16_t code, double a, double b, double E, double nu, bool internal) {
    AnalysisState s;
    s.ComponentCode = code;
    s.InnerRadius = a;
    s.OuterRadius = b;
    s.WallThickness = b - a;
    s.MeanRadius = (a + b) / 2;
    s.YoungsModulus = E;
    s.PoissonRatio = nu;
    s.Density = 0.283;
    s.PressureDirection = internal ? kInternalPressure : kExternalPressure;
    s.PressureSign = internal ? 1 : -1;
    ResetResults(s);
    return s;
}

AnalysisState Tube(double a, double b, double length, double E, double nu, bool internal) {
    AnalysisState s = Shell(kTubeComponent, a, b, E, nu, internal);
    s.BodyLength = length;
    return s;
}

AnalysisState Spherical(int16_t code, double a, double b, double E, double nu, bool internal) {
    return Shell(code, a, b, E, nu, internal);
}

// Steel cone, wall 0.25, from its base diameters and height.
AnalysisState Cone(double d1, double d2, double h, bool internal) {
    AnalysisState s = Shell(kConeComponent, d1 / 2, d2 / 2, 30e6, 0.3, internal);
    s.WallThickness = 0.25;
    s.ConeHeight = h;
    s.ConeMidHeight = h - ((s.OuterRadius - s.InnerRadius) / 2) / (s.OuterRadius / h);
    return s;
}

// Steel disc of radius 4.5 and thickness 0.5, free radius 4, density 0.1.
AnalysisState CircularPlate(int16_t restraint, bool internal) {
    AnalysisState s = Shell(kCircularPlateComponent, 4.5, 4, 30e6, 0.3, internal);
    s.WallThickness = 0.5;
    s.Density = 0.1;
    s.EdgeRestraint = restraint;
    return s;
}

struct Pin {
    const char* field;
    double AnalysisState::*member;
    double expected;
};

struct BranchCase {
    std::string name;
    AnalysisState input;
    double p;
    double r;
    int16_t lobes;
    std::vector<Pin> pins;
};

class EngineBranchValues : public ::testing::TestWithParam<BranchCase> {};

TEST_P(EngineBranchValues, MatchWorkedValues) {
    const BranchCase& c = GetParam();
    AnalysisState s = c.input;
    ComputeStresses(s, c.p, c.r, 0, 0, c.lobes, 0);
    ASSERT_FALSE(s.ResultNotFinite);
    for (const Pin& pin : c.pins) ExpectPinned(s.*pin.member, pin.expected, pin.field);
}

// Geometry, pressure (psi), evaluation radius (in), lobe count; then the worked values.
INSTANTIATE_TEST_SUITE_P(
    Branches, EngineBranchValues,
    ::testing::Values(
        BranchCase{
            "TubeInternal",
            Tube(2, 2.5, 20, 30e6, 0.3, true),
            1500,
            2.27,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 4.000818244869e+1},
             {"WeightInWater", &AnalysisState::WeightInWater, 2.546260846067e+1},
             {"ThinAxialStress", &AnalysisState::ThinAxialStress, 3.375e+3},
             {"ThinHoopStress", &AnalysisState::ThinHoopStress, 6.75e+3},
             {"ThinOuterRadiusChange", &AnalysisState::ThinOuterRadiusChange, 4.303125e-4},
             {"ThinLengthChange", &AnalysisState::ThinLengthChange, 9.0000000000000005e-4},
             {"ThinEquivalentStress", &AnalysisState::ThinEquivalentStress, 5.8456714755449609e+3},
             {"AxialStressAtR", &AnalysisState::AxialStressAtR, 2.6666666666666667e+3},
             {"HoopStressAtR", &AnalysisState::HoopStressAtR, 5.9010912948695556e+3},
             {"RadialStressAtR", &AnalysisState::RadialStressAtR, -5.6775796153622227e+2},
             {"ThickAxialStress", &AnalysisState::ThickAxialStress, 2.6666666666666667e+3},
             {"ThickHoopStress", &AnalysisState::ThickHoopStress, 6.8333333333333333e+3},
             {"MaxShearStress", &AnalysisState::MaxShearStress, 4.1666666666666667e+3},
             {"ThickOuterRadiusChange", &AnalysisState::ThickOuterRadiusChange,
              3.7777777777777778e-4},
             {"ThickInnerRadiusChange", &AnalysisState::ThickInnerRadiusChange,
              4.3222222222222222e-4},
             {"ThickLengthChange", &AnalysisState::ThickLengthChange, 7.1111111111111115e-4},
             {"ThickEquivalentStress", &AnalysisState::ThickEquivalentStress,
              5.6021877892994795e+3}}},
        BranchCase{
            "TubeExternalThreeLobes",
            Tube(3, 3.75, 12, 10e6, 0.33, false),
            2500,
            3.2,
            3,
            {{"WeightInAir", &AnalysisState::WeightInAir, 5.40110463057315e+1},
             {"WeightInWater", &AnalysisState::WeightInWater, 3.43745214219045e+1},
             {"ThinAxialStress", &AnalysisState::ThinAxialStress, -5.625e+3},
             {"ThinHoopStress", &AnalysisState::ThinHoopStress, -1.125e+4},
             {"ThinOuterRadiusChange", &AnalysisState::ThinOuterRadiusChange, -3.170390625e-3},
             {"ThinLengthChange", &AnalysisState::ThinLengthChange, -2.2949999999999998e-3},
             {"ThinEquivalentStress", &AnalysisState::ThinEquivalentStress, 9.7427857925749348e+3},
             {"BucklingPressure", &AnalysisState::BucklingPressure, 8.4844079407386265e+4},
             {"AxialStressAtR", &AnalysisState::AxialStressAtR, -6.9444444444444444e+3},
             {"HoopStressAtR", &AnalysisState::HoopStressAtR, -1.3047960069444444e+4},
             {"RadialStressAtR", &AnalysisState::RadialStressAtR, -8.4092881944444512e+2},
             {"ThickAxialStress", &AnalysisState::ThickAxialStress, -6.9444444444444444e+3},
             {"ThickHoopStress", &AnalysisState::ThickHoopStress, -1.3888888888888889e+4},
             {"MaxShearStress", &AnalysisState::MaxShearStress, -6.9444444444444444e+3},
             {"ThickOuterRadiusChange", &AnalysisState::ThickOuterRadiusChange,
              -3.1020833333333333e-3},
             {"ThickInnerRadiusChange", &AnalysisState::ThickInnerRadiusChange,
              -3.4791666666666666e-3},
             {"ThickLengthChange", &AnalysisState::ThickLengthChange, -2.8333333333333331e-3},
             {"ThickEquivalentStress", &AnalysisState::ThickEquivalentStress,
              1.057159916729051e+4}}},
        BranchCase{
            "SphereExternal",
            Spherical(kSphereComponent, 4, 4.6, 30e6, 0.3, false),
            2000,
            4.3,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 3.9517415410652709e+1},
             {"WeightInWater", &AnalysisState::WeightInWater, 2.4415463520541622e+1},
             {"ThinAxialStress", &AnalysisState::ThinAxialStress, -7.1666666666666706e+3},
             {"ThinOuterRadiusChange", &AnalysisState::ThinOuterRadiusChange,
              -7.1905555555555593e-4},
             {"ThinEquivalentStress", &AnalysisState::ThinEquivalentStress, 7.1666666666666706e+3},
             {"SeatStress", &AnalysisState::SeatStress, -8.2015503875969032e+3},
             {"BucklingPressure", &AnalysisState::BucklingPressure, 2.1319632233639782e+5},
             {"AxialStressAtR", &AnalysisState::AxialStressAtR, -8.1900540554891661e+3},
             {"RadialStressAtR", &AnalysisState::RadialStressAtR, -1.1389703627437778e+3},
             {"ThickAxialStress", &AnalysisState::ThickAxialStress, -8.759539236861055e+3},
             {"ThickOuterRadiusChange", &AnalysisState::ThickOuterRadiusChange,
              -7.4085721142308653e-4},
             {"ThickInnerRadiusChange", &AnalysisState::ThickInnerRadiusChange,
              -8.1755699544036515e-4},
             {"ThickEquivalentStress", &AnalysisState::ThickEquivalentStress,
              7.0510836927453883e+3}}},
        BranchCase{
            "HemiEndcapInternal",
            Spherical(kHemiEndcapComponent, 6, 6.4, 16e6, 0.34, true),
            800,
            6.1,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 2.7350186235738565e+1},
             {"WeightInWater", &AnalysisState::WeightInWater, 7.0139998489891485},
             {"ThinAxialStress", &AnalysisState::ThinAxialStress, 6.1999999999999947e+3},
             {"ThinOuterRadiusChange", &AnalysisState::ThinOuterRadiusChange,
              1.5856499999999986e-3},
             {"ThinEquivalentStress", &AnalysisState::ThinEquivalentStress, 6.1999999999999947e+3},
             {"SeatStress", &AnalysisState::SeatStress, 6.6064516129032205e+3},
             {"AxialStressAtR", &AnalysisState::AxialStressAtR, 5.9072630621731193e+3},
             {"RadialStressAtR", &AnalysisState::RadialStressAtR, -5.8012945305637405e+2},
             {"ThickAxialStress", &AnalysisState::ThickAxialStress, 6.0171983356449323e+3},
             {"MaxShearStress", &AnalysisState::MaxShearStress, 3.4085991678224661e+3},
             {"ThickOuterRadiusChange", &AnalysisState::ThickOuterRadiusChange,
              1.4829403606102621e-3},
             {"ThickInnerRadiusChange", &AnalysisState::ThickInnerRadiusChange,
              1.5912565880721207e-3},
             {"ThickEquivalentStress", &AnalysisState::ThickEquivalentStress,
              6.4873925152294933e+3}}},
        // half-angle 1.16590778 rad (66.80 degrees)
        BranchCase{
            "ConeModerateExternal",
            Cone(6, 14, 3, false),
            200,
            3,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 4.0135192551701714e+1},
             {"WeightInWater", &AnalysisState::WeightInWater, 3.4433327548397874e+1},
             {"ThinAxialStress", &AnalysisState::ThinAxialStress, -5.0772204513417028e+3},
             {"ThinHoopStress", &AnalysisState::ThinHoopStress, -1.0154440902683406e+4},
             {"ThinOuterRadiusChange", &AnalysisState::ThinOuterRadiusChange,
              -1.4385457945468158e-3},
             {"ThinLengthChange", &AnalysisState::ThinLengthChange, 2.8892073594055921e-3},
             {"MeridianRotation", &AnalysisState::MeridianRotation, -1.1846953724544777e-3},
             {"ThinEquivalentStress", &AnalysisState::ThinEquivalentStress, 8.794003782951616e+3},
             {"SeatStress", &AnalysisState::SeatStress, -2.45e+2}}},
        // half-angle 1.46405828 rad (83.88 degrees), the flat cone of the angle test
        BranchCase{
            "ConeFlatInternal",
            Cone(6, 14, 0.75, true),
            200,
            3,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 1.0033798137925429e+1},
             {"WeightInWater", &AnalysisState::WeightInWater, 8.6083318870994686},
             {"ThinAxialStress", &AnalysisState::ThinAxialStress, 1.877308860648565e+4},
             {"ThinHoopStress", &AnalysisState::ThinHoopStress, 3.75461772129713e+4},
             {"ThinOuterRadiusChange", &AnalysisState::ThinOuterRadiusChange,
              5.3190417718376009e-3},
             {"ThinLengthChange", &AnalysisState::ThinLengthChange, -0.043735845316157685},
             {"MeridianRotation", &AnalysisState::MeridianRotation, 0.017521157424396458},
             {"ThinEquivalentStress", &AnalysisState::ThinEquivalentStress, 3.251594328142556e+4},
             {"SeatStress", &AnalysisState::SeatStress, 2.45e+2}}},
        BranchCase{
            "CircularSimplySupported",
            CircularPlate(0, false),
            1000,
            2.5,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 3.180862562175},
             {"WeightInWater", &AnalysisState::WeightInWater, 2.00267106914538},
             {"CenterDeflection", &AnalysisState::CenterDeflection, -0.047488000000000001},
             {"OuterEdgeSlope", &AnalysisState::OuterEdgeSlope, 0.01792},
             {"PlateDeflectionAtR", &AnalysisState::PlateDeflectionAtR, -0.02616534375},
             {"PlateSlopeAtR", &AnalysisState::PlateSlopeAtR, 0.01563625},
             {"RadialMomentAtR", &AnalysisState::RadialMomentAtR, 2.0109375e+3},
             {"TangentialMomentAtR", &AnalysisState::TangentialMomentAtR, 2.5578125e+3},
             {"SeatStress", &AnalysisState::SeatStress, -4.7647058823529412e+3},
             {"OuterEdgeRadialStress", &AnalysisState::OuterEdgeRadialStress, 0.0},
             {"CenterStress", &AnalysisState::CenterStress, 7.92e+4},
             {"PlateRadialStressAtR", &AnalysisState::PlateRadialStressAtR, 4.82625e+4},
             {"PlateTangentialStressAtR", &AnalysisState::PlateTangentialStressAtR, 6.13875e+4},
             {"OuterEdgeShearStress", &AnalysisState::OuterEdgeShearStress, -4.0e+3}}},
        BranchCase{
            "CircularFixedInternal",
            CircularPlate(1, true),
            1000,
            2.5,
            2,
            {{"WeightInAir", &AnalysisState::WeightInAir, 3.180862562175},
             {"WeightInWater", &AnalysisState::WeightInWater, 2.00267106914538},
             {"CenterDeflection", &AnalysisState::CenterDeflection, -0.011648},
             {"OuterEdgeSlope", &AnalysisState::OuterEdgeSlope, 0.0},
             {"PlateDeflectionAtR", &AnalysisState::PlateDeflectionAtR, -4.32534375e-3},
             {"PlateSlopeAtR", &AnalysisState::PlateSlopeAtR, 4.43625e-3},
             {"RadialMomentAtR", &AnalysisState::RadialMomentAtR, 1.0937499999999993e+1},
             {"TangentialMomentAtR", &AnalysisState::TangentialMomentAtR, 5.578125e+2},
             {"SeatStress", &AnalysisState::SeatStress, 4.7647058823529412e+3},
             {"OuterEdgeRadialStress", &AnalysisState::OuterEdgeRadialStress, 4.8e+4},
             {"CenterStress", &AnalysisState::CenterStress, 3.12e+4},
             {"PlateRadialStressAtR", &AnalysisState::PlateRadialStressAtR, 2.6249999999999984e+2},
             {"PlateTangentialStressAtR", &AnalysisState::PlateTangentialStressAtR, 1.33875e+4},
             {"OuterEdgeShearStress", &AnalysisState::OuterEdgeShearStress, -4.0e+3}}}),
    RowName<BranchCase>);

// ---- Annular plate ----

struct FunctionCase {
    std::string name;
    double x;
    std::array<double, 9> expected;  // F1 .. F9
};

class PlateFunctionValuesTest : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(PlateFunctionValuesTest, MatchWorkedValues) {
    const FunctionCase& c = GetParam();
    const PlateFunctionValues f = PlateFunctionsAt(c.x, 1.5, 0.3);
    const std::array<double, 9> got = {f.F1, f.F2, f.F3, f.F4, f.F5, f.F6, f.F7, f.F8, f.F9};
    for (std::size_t i = 0; i < got.size(); ++i) {
        ExpectPinned(got[i], c.expected[i], "F" + std::to_string(i + 1));
    }
}

// Hole radius 1.5, Poisson's ratio 0.3.
INSTANTIATE_TEST_SUITE_P(
    HoleRadius1p5, PlateFunctionValuesTest,
    ::testing::Values(FunctionCase{"AtR3p7",
                                   3.7,
                                   {0.59863856362706237, 0.13471686081192359, 0.021852442022039978,
                                    1.1268468468468469, 0.41782322863403945, 0.098319827616481409,
                                    0.93787387387387394, 0.70752373995617238, 0.29720357129360398}},
                      FunctionCase{"AtOuterEdge5",
                                   5,
                                   {0.76560803017689085, 0.17332122380533288, 0.030174776753645267,
                                    1.3616666666666667, 0.455, 0.1123459206488904,
                                    1.3801666666666667, 0.6815, 0.28254969684355752}}),
    RowName<FunctionCase>);

struct LoadTermCase {
    std::string name;
    double x, r0;
    std::array<double, 6> expected;  // terms 3, 6, 9, 11, 14, 17
};

class LoadTermValuesTest : public ::testing::TestWithParam<LoadTermCase> {};

TEST_P(LoadTermValuesTest, MatchWorkedValues) {
    const LoadTermCase& c = GetParam();
    const LoadTermValues l = OuterEdgeLoadTerms(c.x, c.r0, 0.3);
    const LoadTermValues g = LoadFunctionsAt(c.x, c.r0, 0.3);
    const std::array<double, 6> outer = {l.T3, l.T6, l.T9, l.T11, l.T14, l.T17};
    const std::array<double, 6> atR = {g.T3, g.T6, g.T9, g.T11, g.T14, g.T17};
    const char* names[] = {"3", "6", "9", "11", "14", "17"};
    for (std::size_t i = 0; i < outer.size(); ++i) {
        ExpectPinned(outer[i], c.expected[i], std::string("L") + names[i]);
        ExpectPinned(atR[i], c.expected[i], std::string("G") + names[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loads, LoadTermValuesTest,
    ::testing::Values(
        LoadTermCase{"EdgeFiveLoadTwo",
                     5,
                     2,
                     {0.022289724897401988, 0.099258146374831013, 0.29703559028728032,
                      3.8331201915182506e-3, 0.024248370725033797, 0.11972288194254394}},
        LoadTermCase{"RadiusThreePointSevenLoadThree",
                     3.7,
                     3,
                     {1.0151251848332855e-3, 0.015578763424018096, 0.15913853937243255,
                      4.9131566688689486e-5, 1.0196007409439083e-3, 0.015996112248372813}}),
    RowName<LoadTermCase>);

// The plate fields pinned for every restraint and load, in this order.
constexpr double AnalysisState::*kPlateFields[] = {
    &AnalysisState::InnerEdgeDeflection,       &AnalysisState::InnerEdgeSlope,
    &AnalysisState::OuterEdgeDeflection,       &AnalysisState::OuterEdgeSlope,
    &AnalysisState::OuterEdgeRadialStress,     &AnalysisState::InnerEdgeRadialStress,
    &AnalysisState::OuterEdgeTangentialStress, &AnalysisState::InnerEdgeTangentialStress,
    &AnalysisState::OuterEdgeShearStress,      &AnalysisState::InnerEdgeShearStress,
    &AnalysisState::PlateDeflectionAtR,        &AnalysisState::PlateSlopeAtR,
    &AnalysisState::PlateRadialStressAtR,      &AnalysisState::PlateTangentialStressAtR,
    &AnalysisState::PlateShearStressAtR,       &AnalysisState::SeatStress};
constexpr const char* kPlateFieldNames[] = {
    "InnerEdgeDeflection",       "InnerEdgeSlope",
    "OuterEdgeDeflection",       "OuterEdgeSlope",
    "OuterEdgeRadialStress",     "InnerEdgeRadialStress",
    "OuterEdgeTangentialStress", "InnerEdgeTangentialStress",
    "OuterEdgeShearStress",      "InnerEdgeShearStress",
    "PlateDeflectionAtR",        "PlateSlopeAtR",
    "PlateRadialStressAtR",      "PlateTangentialStressAtR",
    "PlateShearStressAtR",       "SeatStress"};

struct AnnularCase {
    int16_t restraint;
    bool lineLoad;
    std::array<double, 16> expected;
};

class AnnularPlateValues : public ::testing::TestWithParam<AnnularCase> {};

TEST_P(AnnularPlateValues, MatchWorkedValues) {
    const AnnularCase& c = GetParam();
    AnalysisState s = SteelAnnularPlate(c.restraint);
    // Uniform 100 psi from r = 2 outwards, or 50 lb/in on the circle r = 3; evaluated at 3.7.
    if (c.lineLoad) {
        ComputeStresses(s, 100, 3.7, 3, 50, 2, -1);
    } else {
        ComputeStresses(s, 100, 3.7, 2, 0, 2, 0);
    }
    ASSERT_FALSE(s.ResultNotFinite);
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        ExpectPinned(s.*kPlateFields[i], c.expected[i], kPlateFieldNames[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TwentyFourCases, AnnularPlateValues,
    ::testing::Values(
        AnnularCase{
            0,
            false,
            {-1.7837312563070794e-3, 6.4820614031179698e-4, 0.0, 0.0, -5.7087039473432981e+3, 0.0,
             -1.7126111842029894e+3, 3.2410307015589849e+3, -4.2e+2, 0.0, -4.279846522376124e-4,
             5.5007276300119701e-4, -1.2257102061175522e+3, 7.4729929559959312e+2,
             -2.6189189189189191e+2, -5.3333333333333333e+2}},
        AnnularCase{1,
                    false,
                    {-9.8347504088298429e-4, 0.0, 0.0, 0.0, -5.0042171386479505e+3,
                     3.1975873483561052e+3, -1.5012651415943851e+3, 9.5927620450683151e+2, -4.2e+2,
                     0.0, -3.479506834192121e-4, 4.1943044437464954e-4, -3.1751915839952149e+2,
                     7.5494109918551419e+2, -2.6189189189189191e+2, -5.3333333333333333e+2}},
        AnnularCase{2,
                    false,
                    {0.0, -2.439258454170804e-4, 0.0, 0.0, -2.7022856610048781e+3, 0.0,
                     -8.1068569830146339e+2, -1.219629227085402e+3, -3.3088260560654635e+2,
                     2.9705798131151215e+2, -1.4154359871975248e-4, 1.2694307559864534e-4,
                     8.3045162661878983e+2, 5.0645253311802612e+2, -1.4146298054938699e+2,
                     -5.3333333333333333e+2}},
        AnnularCase{3,
                    false,
                    {0.0, 0.0, 0.0, 0.0, -2.0684467718017768e+3, -3.1455832000568638e+3,
                     -6.2053403154053303e+2, -9.436749600170591e+2, -2.9155107266654429e+2,
                     4.2816309111151904e+2, -9.3856550583452887e-5, 6.8714434975160025e-5,
                     8.4450812199316787e+2, 3.9263845343949094e+2, -8.8312260360195017e+1,
                     -5.3333333333333333e+2}},
        AnnularCase{4,
                    false,
                    {-0.011389510561776406, 3.1575265567264335e-3, 0.0, 3.4168579670179301e-3, 0.0,
                     0.0, 5.1252869505268951e+3, 1.5787632783632167e+4, -4.2e+2, 0.0,
                     -4.4757128695856148e-3, 3.377692561966447e-3, 4.0165515842008266e+3,
                     8.0516395873543969e+3, -2.6189189189189191e+2, -5.3333333333333333e+2}},
        AnnularCase{5,
                    false,
                    {-4.843962716005784e-3, 0.0, 0.0, 2.0268976339028456e-3, 0.0,
                     1.0540532526122724e+4, 3.0403464508542685e+3, 3.162159757836817e+3, -4.2e+2,
                     0.0, -2.5652936327490976e-3, 1.7967817322777416e-3, 4.8777888760670575e+3,
                     5.1054617958155393e+3, -2.6189189189189191e+2, -5.3333333333333333e+2}},
        AnnularCase{6,
                    false,
                    {0.0, -5.2712501748400898e-4, 0.0, 4.2163390717966616e-4, 0.0, 0.0,
                     6.3245086076949924e+2, -2.6356250874200449e+3, -2.7166180631278405e+2,
                     4.9446064562405315e+2, -4.5067827652467749e-4, 1.9468553702866107e-4,
                     2.8437093551765836e+3, 1.2477456518813421e+3, -6.1434873395654159e+1,
                     -5.3333333333333333e+2}},
        AnnularCase{7,
                    false,
                    {0.0, 0.0, 0.0, 2.5365988233012354e-4, 0.0, -5.3426921585411325e+3,
                     3.8048982349518531e+2, -1.6028076475623397e+3, -2.2845108411863391e+2,
                     6.3849638627122031e+2, -2.4652740619777336e-4, 6.8797883065422797e-5,
                     2.0655255824587903e+3, 7.5911284311349408e+2, -3.0420055657215312,
                     -5.3333333333333333e+2}},
        AnnularCase{8,
                    false,
                    {0.0, -3.556309000153898e-3, -6.622788399568378e-3, 0.0, 8.4601986429560773e+3,
                     0.0, 2.5380595928868231e+3, -1.778154500076949e+4, 0.0, 1.4e+3,
                     -5.7008094078247374e-3, -1.4440886453144639e-3, 8.4647433313424791e+3,
                     -3.8778371407252082e+2, 3.0567567567567563e+2, -5.3333333333333333e+2}},
        AnnularCase{9,
                    false,
                    {0.0, 0.0, -2.2322740178736024e-3, 0.0, 4.5951121798012551e+3,
                     -1.7543198002208276e+4, 1.3785336539403765e+3, -5.2629594006624827e+3, 0.0,
                     1.4e+3, -1.7493922606763736e-3, -7.2733447617147758e-4, 3.4820568123513998e+3,
                     -4.2970959718271026e+2, 3.0567567567567563e+2, -5.3333333333333333e+2}},
        AnnularCase{10,
                    false,
                    {0.0, -7.2750776344203056e-3, -0.020858384043389933, -5.0637232903260917e-3,
                     0.0, 0.0, -7.5955849354891376e+3, -3.6375388172101528e+4, 0.0, 1.4e+3,
                     -0.013937743168435612, -5.6345713549905204e-3, 6.9580374478153978e+2,
                     -1.1212687298843619e+4, 3.0567567567567563e+2, -5.3333333333333333e+2}},
        AnnularCase{11,
                    false,
                    {0.0, 0.0, -5.7771589508088403e-3, -1.8611946178006454e-3, 0.0,
                     -2.4285842433317968e+4, -2.791791926700968e+3, -7.2857527299953902e+3, 0.0,
                     1.4e+3, -3.2582065533965343e-3, -1.9920844867232676e-3, -1.2885241927419878e+3,
                     -4.4245663525319223e+3, 3.0567567567567563e+2, -5.3333333333333333e+2}},
        AnnularCase{
            0,
            true,
            {-4.3642772030420834e-4, 1.5303420892469657e-4, 0.0, 0.0, -1.2503791343087335e+3, 0.0,
             -3.7511374029262004e+2, 7.6517104462348283e+2, -6.0e+1, 0.0, -1.0494928414297674e-4,
             1.4139352748888391e-4, -3.868688784917363e+2, 1.7054783811913568e+2,
             -8.1081081081081077e+1, -5.7142857142857143e+1}},
        AnnularCase{1,
                    true,
                    {-2.4749619181608004e-4, 0.0, 0.0, 0.0, -1.0840576899998011e+3,
                     7.5491455555776534e+2, -3.2521730699994032e+2, 2.2647436666732959e+2, -6.0e+1,
                     0.0, -8.6054160595803494e-5, 1.1055033943533503e-4, -1.7245514511801876e+2,
                     1.7235198234703024e+2, -8.1081081081081077e+1, -5.7142857142857143e+1}},
        AnnularCase{2,
                    true,
                    {0.0, -6.5244821262960511e-5, 0.0, 0.0, -5.1479507457542212e+2, 0.0,
                     -1.5443852237262663e+2, -3.2622410631480256e+2, -3.8195537507646662e+1,
                     7.2681541641177793e+1, -3.4865399282905636e-5, 3.786586646193787e-5,
                     1.1621476601169221e+2, 1.1161956452365199e+2, -5.1615591226549541e+1,
                     -5.7142857142857143e+1}},
        AnnularCase{3,
                    true,
                    {0.0, 0.0, 0.0, 0.0, -3.4525705385089092e+2, -8.4137461245470145e+2,
                     -1.0357711615526727e+2, -2.5241238373641043e+2, -2.7675213872892593e+1,
                     1.0774928709035802e+2, -2.2110158332972265e-5, 2.2290980400280562e-5,
                     1.1997457066345752e+2, 8.1176790929335689e+1, -3.739893766607107e+1,
                     -5.7142857142857143e+1}},
        AnnularCase{4,
                    true,
                    {-2.5403844367710117e-3, 7.0265141081864536e-4, 0.0, 7.4839542324559362e-4, 0.0,
                     0.0, 1.1225931348683904e+3, 3.5132570540932268e+3, -6.0e+1, 0.0,
                     -9.9152440714966099e-4, 7.6072793841586695e-4, 7.6134529054894564e+2,
                     1.7704196785481977e+3, -8.1081081081081077e+1, -5.7142857142857143e+1}},
        AnnularCase{5,
                    true,
                    {-1.0837891094525506e-3, 0.0, 0.0, 4.390844573679801e-4, 0.0,
                     2.3456081579052358e+3, 6.5862668605197015e+2, 7.0368244737157072e+2, -6.0e+1,
                     0.0, -5.6639456329810224e-4, 4.0892433363133698e-4, 9.5299834153922001e+2,
                     1.1148001787415031e+3, -8.1081081081081077e+1, -5.7142857142857143e+1}},
        AnnularCase{6,
                    true,
                    {0.0, -1.1919527550534386e-4, 0.0, 8.0322765954125021e-5, 0.0, 0.0,
                     1.2048414893118753e+2, -5.9597637752671928e+2, -2.6913763626823248e+1,
                     1.1028745457725584e+2, -9.3756660044455517e-5, 5.0771047430414561e-5,
                     4.9974755733289202e+2, 2.52838552531789e+2, -3.6369950847058441e+1,
                     -5.7142857142857143e+1}},
        AnnularCase{7,
                    true,
                    {0.0, 0.0, 0.0, 4.2339916524501636e-5, 0.0, -1.2081074558311386e+3,
                     6.3509874786752455e+1, -3.6243223674934156e+2, -1.7142810312370001e+1,
                     1.4285729895876666e+2, -4.7593381076180666e-5, 2.2304909229480508e-5,
                     3.2378203472193165e+2, 1.4234726426012106e+2, -2.3165959881581082e+1,
                     -5.7142857142857143e+1}},
        AnnularCase{8,
                    true,
                    {0.0, -4.4761081114183129e-4, -7.645036591065713e-4, 0.0, 7.7374980716260583e+2,
                     0.0, 2.3212494214878174e+2, -2.2380540557091565e+3, 0.0, 2.0e+2,
                     -6.7660099410936905e-4, -1.4348667369906764e-4, 9.9748162685969674e+2,
                     8.393122451690829, 0.0, -5.7142857142857143e+1}},
        AnnularCase{9,
                    true,
                    {0.0, 0.0, -2.1189653086343235e-4, 0.0, 2.8727506977865683e+2,
                     -2.2080547802371463e+3, 8.6182520933597047e+1, -6.6241643407114386e+2, 0.0,
                     2.0e+2, -1.7926034279974429e-4, -5.3273220642683127e-5, 3.7034142213211285e+2,
                     3.1161685801410314, 0.0, -5.7142857142857143e+1}},
        AnnularCase{10,
                    true,
                    {0.0, -7.8772061648803165e-4, -2.0664576496813225e-3, -4.631161849464095e-4,
                     0.0, 0.0, -6.9467427741961425e+2, -3.9386030824401583e+3, 0.0, 2.0e+2,
                     -1.429931521896707e-3, -5.2673833543512839e-4, 2.869527420604761e+2,
                     -9.8162701948009035e+2, 0.0, -5.7142857142857143e+1}},
        AnnularCase{11,
                    true,
                    {0.0, 0.0, -4.3351398580668142e-4, -1.1635729287537575e-4, 0.0,
                     -2.6295882648720059e+3, -1.7453593931306363e+2, -7.8887647946160174e+2, 0.0,
                     2.0e+2, -2.7358768765315459e-4, -1.3234226908309291e-4, 7.2096474566499242e+1,
                     -2.4663241387956287e+2, 0.0, -5.7142857142857143e+1}}),
    [](const ::testing::TestParamInfo<AnnularCase>& row) {
        return "Restraint" + std::to_string(row.param.restraint) +
               (row.param.lineLoad ? "Line" : "Uniform");
    });

}  // namespace
}  // namespace tidewell
