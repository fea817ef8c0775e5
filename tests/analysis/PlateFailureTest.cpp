// Failure evaluation of the flat annular plate: a hole as large as the plate stops with a message.

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
