// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Unit names and factors entry by entry, unknown names, and the choice of a results unit.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "units/ScriptedMessages.h"
#include "units/Units.h"

namespace tidewell {
namespace {

// Every factor from the units' own definitions, in SI: 1 in = 25.4 mm and 1 lb = 0.45359237 kg
// exactly, 1 ft = 12 in, 1 psi = 1 lbf / in^2 with standard gravity 9.80665 m/s^2, 1 bar = 100
// kPa; depths in metres of sea water, fresh water 0.984 times as dense. The program's rounded
// constants (14.50377 psi per bar, 0.00689476 MPa per psi, 2.204623 lb per kg, pi as 3.141592654)
// agree to 1e-6; where it rounds, its stated value is worked out by hand as well.
constexpr double kInch = 0.0254, kFoot = 12 * kInch, kPound = 0.45359237;
constexpr double kPsi = kPound * 9.80665 / (kInch * kInch);
constexpr double kFreshWater = 0.984;

struct Definition {
    const char* name;
    double si;      // one of the unit in SI
    double baseSi;  // one of its base unit (inch, psi, pound, radian, lb/cu in, ft of sea water)
    double stated = 0;  // the program's rounded factor, where it rounds
};

TEST(ConversionDefinitions, EveryFactorIsBaseOverUnit) {
    const double in = kInch, psi = kPsi, lb = kPound, density = kPound / (kInch * kInch * kInch);
    // clang-format off
    const Definition table[] = {
        {"in", in, in}, {"Inches", in, in}, {"mm", 0.001, in}, {"cm", 0.01, in}, {"m", 1, in},
        {"meters", 1, in}, {"ft", kFoot, in}, {"Ft", kFoot, in}, {"Feet", kFoot, in},
        {"feet", kFoot, in}, {"psi", psi, psi}, {"Ksi", 1e3 * psi, psi}, {"Mpsi", 1e6 * psi, psi},
        {"Bar", 1e5, psi, 0.06894759086775369}, {"Kbar", 1e8, psi, 6.89475908677537e-05},
        {"Mbar", 1e11, psi, 6.89475908677537e-08}, {"MPa", 1e6, psi, 0.00689476},
        {"GPa", 1e9, psi, 6.89476e-6}, {"lbs", lb, lb}, {"kg", 1, lb, 0.4535922921968971},
        {"Radians", 1, 1}, {"Degrees", 3.14159265358979323846 / 180, 1, 57.29577950560105},
        {"lb/cu in", density, density}, {"lb/cu ft", kPound / (kFoot * kFoot * kFoot), density},
        {"kg/cu m", 1, density, 27679.9047}, {"gr/cu cm", 1e3, density, 27.6799047},
        {"kg/cu cm", 1e6, density, 0.0276799047}, {"Ft (sea)", kFoot, kFoot}, {"m (sea)", 1, kFoot},
        {"Ft (fresh)", kFreshWater * kFoot, kFoot}, {"m (fresh)", kFreshWater, kFoot}};
    // clang-format on
    for (const Definition& unit : table) {
        ScriptedMessages messages;
        const double expected = unit.baseSi / unit.si;
        const double factor = Conversion(unit.name, messages);
        EXPECT_NEAR(factor, expected, 1e-6 * expected) << unit.name;
        EXPECT_NEAR(factor, unit.stated != 0 ? unit.stated : factor, 1e-9 * factor) << unit.name;
        EXPECT_TRUE(messages.Empty()) << unit.name;
    }
}

// A length typed in one entry of the editors' list and shown in another: every pair, both ways,
// from the lengths of the entries in millimetres.
TEST(ConvertLengthEntry, EveryPairOfTheLengthList) {
    const double millimetres[] = {25.4, 1, 304.8, 1000, 10};  // "in", "mm", "Ft", "m", "cm"
    ASSERT_EQ(LengthUnitList(), (std::vector<std::string>{"in", "mm", "Ft", "m", "cm"}));
    ScriptedMessages messages;
    for (int from = 0; from < 5; ++from) {
        for (int to = 0; to < 5; ++to) {
            const double got = ConvertLengthEntry(3.5, LengthUnitList()[to], from, messages);
            EXPECT_NEAR(got, 3.5 * millimetres[from] / millimetres[to], 1e-12 * got)
                << LengthUnitList()[from] << " to " << LengthUnitList()[to];
        }
    }
    EXPECT_TRUE(messages.Empty());
    // A position outside the list is taken as inches.
    EXPECT_DOUBLE_EQ(ConvertLengthEntry(2, "mm", 5, messages), 50.8);
}

// The depth shown for a pressure satisfies the sea-water law p = 0.444 D + 0.3e-6 D^2 (D in
// feet), and the other depth units scale that depth by their definitions.
TEST(DepthConversion, SatisfiesTheSeaWaterLaw) {
    ScriptedMessages messages;
    for (const double p : {0.01, 1.0, 444.0, 1000.0, 16000.0, 60000.0}) {
        const double feet = p * DepthConversion(p, "Ft (sea)", messages);
        EXPECT_NEAR(0.444 * feet + 0.3e-6 * feet * feet, p, 1e-12 * p) << p << " psi";
        EXPECT_NEAR(p * DepthConversion(p, "m (sea)", messages), feet * kFoot, 1e-12 * feet);
        EXPECT_NEAR(p * DepthConversion(p, "Ft (fresh)", messages), feet / kFreshWater,
                    1e-12 * feet);
        EXPECT_NEAR(p * DepthConversion(p, "m (fresh)", messages), feet * kFoot / kFreshWater,
                    1e-12 * feet);
        // Other units are plain factors, whatever the pressure.
        EXPECT_DOUBLE_EQ(DepthConversion(p, "Ksi", messages), 0.001);
        EXPECT_DOUBLE_EQ(DepthConversion(p, "psi", messages), 1.0);
    }
    EXPECT_EQ(DepthConversion(0, "m (fresh)", messages), 0.0);
    EXPECT_EQ(DepthConversion(0, "Ksi", messages), 0.0);
    EXPECT_TRUE(messages.Empty());
    // Near zero the depth per psi tends to 1 / 0.444 ft.
    EXPECT_NEAR(DepthConversion(1e-9, "Ft (sea)", messages), 1 / 0.444, 1e-9);
}

// Names compare exactly: other case, extra blanks or a near miss are unrecognised.
class ConversionUnknown : public ::testing::TestWithParam<std::string> {};

TEST_P(ConversionUnknown, MessageAndFactorOne) {
    ScriptedMessages messages;
    EXPECT_EQ(Conversion(GetParam(), messages), 1.0);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text,
              "Unrecognized Units (" + GetParam() + ") in Conversion function");
    EXPECT_EQ(messages.shown[0].title, "Tidewell");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(Names, ConversionUnknown,
                         ::testing::Values("FT", "ksi", " psi", "psi ", "", "Ft(sea)"));

using Names = std::vector<std::string>;

struct SelectRow {
    const char* name;
    Names entries;
    std::string saved;
    int16_t unitSystem;
    std::optional<int> expected;
};

class SelectUnitRows : public ::testing::TestWithParam<SelectRow> {};

TEST_P(SelectUnitRows, Selects) {
    const SelectRow& row = GetParam();
    EXPECT_EQ(SelectUnit(row.entries, row.saved, row.unitSystem), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectUnitRows,
    ::testing::Values(SelectRow{"Capitals", PressUnitList(), "KSI", 1, 0},
                      SelectRow{"EmptyEnglish", StressUnitList(), "", 0, 0},
                      SelectRow{"EmptyMetric", StressUnitList(), "", 1, 1},
                      SelectRow{"UnknownEnglish", PressUnitList(), "furlongs", 0, 0},
                      SelectRow{"UnknownMetric", PressUnitList(), "furlongs", 1, 1},
                      SelectRow{"NameOfOtherList", DeflectionUnitList(), "Ksi", 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
