// Failure pressure search of the flat circular plate, checked against closed-form mechanics: the
// failure pressure of each mode is the strength divided by the stress per psi of that mode.

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

DesignRecord Endcap(int16_t type, std::array<double, 8> dims, int16_t restraint) {
    DesignRecord d;
    d.ProjectTitle = "Housing";
    d.EndcapType = type;
    d.EndcapDim = dims;
    d.EdgeRestraint = restraint;
    SetMetal(d);
    return d;
}

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
