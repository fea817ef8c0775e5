// The one conversion of a stored material into the design's base units, unreadable values included.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "materials/MaterialUnits.h"
#include "tests/materials/MaterialsTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

MaterialRecord Record(const std::string& category) {
    MaterialRecord record;
    record.Name = "Sample";
    record.MainCategory = category;
    record.StrengthValue = 215;
    record.StrengthUnit = "mpa";  // stored units compare ignoring case
    record.Strength2Value = 1.5;
    record.Strength2Unit = "KSI";
    record.ModulusValue = 71;
    record.ModulusUnit = "GPa";
    record.DensityValue = 2.66;
    record.DensityUnit = "gr/cu cm";
    record.PoissonValue = 0.33;
    record.Comment = "Marine grade";
    record.InUse = kMaterialInUse;
    return record;
}

struct UnreadableCase {
    const char* label;
    double strength;
    const char* strengthUnit;
    const char* message;
};

class MaterialUnreadableValues : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(MaterialUnreadableValues, LoadAsZeroWithAMessage) {
    MaterialRecord record = Record("Metals");
    record.StrengthValue = GetParam().strength;
    record.StrengthUnit = GetParam().strengthUnit;
    DesignRecord design;
    design.YieldStrength = 12345;
    ScriptedMessages messages;
    LoadRecordIntoDesign(design, record, {}, messages);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(design.YieldStrength, 0.0);
    EXPECT_TRUE(std::isfinite(design.YoungsModulus));
    EXPECT_GT(design.YoungsModulus, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MaterialUnreadableValues,
    ::testing::Values(UnreadableCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(),
                                     "Ksi", "Can't parse nan."},
                      UnreadableCase{"infinity", std::numeric_limits<double>::infinity(), "Ksi",
                                     "Can't parse inf."},
                      UnreadableCase{"overflows_in_base_units", 1e308, "GPa",
                                     "Can't parse 1e+308."}),
    testing::RowLabel());

}  // namespace
}  // namespace tidewell
