// Unit names and factors entry by entry, the sea-water depth law, re-expressed lengths and the
// choice of a results unit.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "units/ScriptedMessages.h"
#include "units/Units.h"

namespace tidewell {
namespace {

// Expected factors written out as decimals from hand calculation (one unit in base units), so a
// slip in a quotient of the table shows up.
struct FactorRow {
    const char* name;
    double factor;
};

std::ostream& operator<<(std::ostream& out, const FactorRow& row) {
    return out << row.name;
}

class ConversionFactors : public ::testing::TestWithParam<FactorRow> {};

TEST_P(ConversionFactors, EveryNameAndFactor) {
    ScriptedMessages messages;
    const double got = Conversion(GetParam().name, messages);
    EXPECT_NEAR(got, GetParam().factor, 1e-9 * GetParam().factor);
    EXPECT_TRUE(messages.Empty());
}

std::string RowName(const ::testing::TestParamInfo<FactorRow>& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name.push_back(c);
        } else if (c == '/') {
            name += "Per";
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConversionFactors,
    ::testing::Values(
        FactorRow{"lbs", 1.0}, FactorRow{"kg", 0.4535922921968971}, FactorRow{"psi", 1.0},
        FactorRow{"Ksi", 0.001}, FactorRow{"Kbar", 6.89475908677537e-05},
        FactorRow{"Bar", 0.06894759086775369}, FactorRow{"Mbar", 6.89475908677537e-08},
        FactorRow{"Mpsi", 1e-6}, FactorRow{"MPa", 0.00689476}, FactorRow{"GPa", 6.89476e-6},
        FactorRow{"Ft (sea)", 1.0}, FactorRow{"Ft (fresh)", 1.016260162601626},
        FactorRow{"m (sea)", 0.3048}, FactorRow{"m (fresh)", 0.3097560975609756},
        FactorRow{"Inches", 1.0}, FactorRow{"in", 1.0}, FactorRow{"ft", 0.08333333333333333},
        FactorRow{"Ft", 0.08333333333333333}, FactorRow{"Feet", 0.08333333333333333},
        FactorRow{"feet", 0.08333333333333333}, FactorRow{"m", 0.0254}, FactorRow{"meters", 0.0254},
        FactorRow{"cm", 2.54}, FactorRow{"mm", 25.4}, FactorRow{"Radians", 1.0},
        FactorRow{"Degrees", 57.29577950560105}, FactorRow{"lb/cu in", 1.0},
        FactorRow{"lb/cu ft", 1728.0}, FactorRow{"kg/cu m", 27679.9047},
        FactorRow{"gr/cu cm", 27.6799047}, FactorRow{"kg/cu cm", 0.0276799047}),
    RowName);

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

// Every entry of every list the windows fill is a name of the table.
TEST(UnitLists, EveryEntryIsRecognised) {
    const std::vector<const std::vector<std::string>*> lists{
        &LengthUnitList(),         &PressUnitList(),
        &DistortionUnitList(),     &DepthUnitList(),
        &StressUnitList(),         &DeflectionUnitList(),
        &AngleDeflectUnitList(),   &FailUnitList(),
        &WeightUnitList(),         &MaterialPressureUnitList(),
        &MaterialDensityUnitList()};
    ScriptedMessages messages;
    for (const auto* list : lists) {
        for (const std::string& name : *list) Conversion(name, messages);
    }
    EXPECT_TRUE(messages.Empty());
}

using Names = std::vector<std::string>;

// Sea-water pressure at a depth of D feet: the law the depth figures must satisfy.
double SeaPressurePsi(double depthFeet) {
    return 0.444 * depthFeet + 0.3e-6 * depthFeet * depthFeet;
}

struct DepthRow {
    const char* name;
    double pressurePsi;
    const char* unit;
    double feetOfSea;    // depth of sea water, from a separate hand calculation
    double unitPerFoot;  // shown value per foot of sea water
};

std::ostream& operator<<(std::ostream& out, const DepthRow& row) {
    return out << row.name;
}

class DepthLaw : public ::testing::TestWithParam<DepthRow> {};

TEST_P(DepthLaw, ShownDepthSatisfiesThePressureLaw) {
    const DepthRow& row = GetParam();
    ScriptedMessages messages;
    const double shown = row.pressurePsi * DepthConversion(row.pressurePsi, row.unit, messages);
    const double feet = shown / row.unitPerFoot;
    EXPECT_NEAR(feet, row.feetOfSea, 1e-6 * std::fabs(row.feetOfSea));
    // Plugged back into the law, the depth gives the pressure it came from.
    EXPECT_NEAR(SeaPressurePsi(feet), row.pressurePsi, 1e-9 * std::fabs(row.pressurePsi));
    EXPECT_TRUE(messages.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DepthLaw,
    ::testing::Values(DepthRow{"ThousandPsiSeaFeet", 1000.0, "Ft (sea)", 2248.8351848949, 1.0},
                      DepthRow{"ThousandPsiFreshMetres", 1000.0, "m (fresh)", 2248.8351848949,
                               0.3048 / 0.984},
                      DepthRow{"TenThousandPsi", 10000.0, "Ft (sea)", 22189.827623889, 1.0},
                      DepthRow{"SuctionThousandPsi", -1000.0, "Ft (sea)", -2255.6901834710, 1.0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DepthConversion, TinyPressureKeepsTheLinearLimit) {
    // Near the surface the quadratic term vanishes: 1 ÷ 0.444 feet per psi, to full precision.
    ScriptedMessages m;
    EXPECT_NEAR(DepthConversion(1e-9, "Ft (sea)", m), 1.0 / 0.444, 1e-12);
    EXPECT_NEAR(DepthConversion(1e-300, "Ft (sea)", m), 1.0 / 0.444, 1e-12);
}

TEST(DepthConversion, UnknownUnitWarnsAndUsesOne) {
    ScriptedMessages m;
    EXPECT_EQ(DepthConversion(1000.0, "FT (SEA)", m), 1.0);
    EXPECT_EQ(m.Texts(), (Names{"Unrecognized Units (FT (SEA)) in Conversion function"}));
}

struct LengthRow {
    const char* name;
    double value;
    int oldPosition;
    const char* newUnit;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const LengthRow& row) {
    return out << row.name;
}

class ConvertLength : public ::testing::TestWithParam<LengthRow> {};

TEST_P(ConvertLength, ReExpressed) {
    ScriptedMessages m;
    const LengthRow& row = GetParam();
    EXPECT_NEAR(ConvertLengthEntry(row.value, row.newUnit, row.oldPosition, m), row.expected,
                1e-12 * std::fabs(row.expected));
    EXPECT_TRUE(m.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertLength,
    ::testing::Values(LengthRow{"InchToMillimetre", 1.0, 0, "mm", 25.4},
                      LengthRow{"InchesToFeet", 12.0, 0, "Ft", 1.0},
                      LengthRow{"FeetToMetres", 10.0, 2, "m", 3.048},
                      LengthRow{"CentimetresToMetre", 100.0, 4, "m", 1.0},
                      LengthRow{"NegativeValue", -2.0, 0, "cm", -5.08},
                      LengthRow{"PositionBeyondListIsInch", 1.0, 5, "mm", 25.4},
                      LengthRow{"NegativePositionIsInch", 2.0, -1, "cm", 5.08}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ConvertLength, UnknownNewUnitWarnsAndActsAsInch) {
    ScriptedMessages m;
    EXPECT_NEAR(ConvertLengthEntry(25.4, "FT", 1, m), 1.0, 1e-12);
    EXPECT_EQ(m.Texts(), (Names{"Unrecognized Units (FT) in Conversion function"}));
}

struct SelectRow {
    const char* name;
    Names entries;
    std::string saved;
    int16_t unitSystem;
    std::optional<int> expected;
};

std::ostream& operator<<(std::ostream& out, const SelectRow& row) {
    return out << row.name;
}

class SelectUnitRows : public ::testing::TestWithParam<SelectRow> {};

TEST_P(SelectUnitRows, Selects) {
    const SelectRow& row = GetParam();
    EXPECT_EQ(SelectUnit(row.entries, row.saved, row.unitSystem), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectUnitRows,
    ::testing::Values(SelectRow{"ExactName", PressUnitList(), "Bar", 0, 3},
                      SelectRow{"Capitals", PressUnitList(), "KSI", 1, 0},
                      SelectRow{"MixedCaseDepth", DepthUnitList(), "m (FRESH)", 0, 3},
                      SelectRow{"EmptyEnglish", StressUnitList(), "", 0, 0},
                      SelectRow{"EmptyMetric", StressUnitList(), "", 1, 1},
                      SelectRow{"UnknownEnglish", PressUnitList(), "furlongs", 0, 0},
                      SelectRow{"UnknownMetric", PressUnitList(), "furlongs", 1, 1},
                      SelectRow{"NameOfOtherList", DeflectionUnitList(), "Ksi", 0, 0},
                      SelectRow{"FirstOfEqualEntries", Names{"psi", "PSI"}, "Psi", 1, 0},
                      SelectRow{"EmptyListEnglish", Names{}, "", 0, std::nullopt},
                      SelectRow{"ShortListMetric", Names{"psi"}, "", 1, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
