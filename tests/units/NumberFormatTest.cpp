// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number formatter (notations, rounding, settings, range ends, reading back), the two readers
// of typed numbers and what they tell the user, and the unit names, factors and choices.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"
#include "units/Units.h"

namespace tidewell {
namespace {

const auto kRowName = [](const auto& row) { return std::string(row.param.name); };

std::string Format(double value, int n, int notation) {
    int16_t digits = static_cast<int16_t>(n), code = static_cast<int16_t>(notation);
    return SigDigFormat(value, digits, code);
}

std::string Zeros(int count) {
    return std::string(static_cast<std::size_t>(count), '0');
}

struct FormatRow {
    const char* name;
    double value;
    int digits;
    std::string scientific;
    std::string fixed;
};

class SigDigFormatRows : public ::testing::TestWithParam<FormatRow> {};

TEST_P(SigDigFormatRows, BothNotations) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(Format(row.value, row.digits, kScientificNotation), row.scientific);
    EXPECT_EQ(Format(row.value, row.digits, kFixedNotation), row.fixed);
}

using F = FormatRow;
INSTANTIATE_TEST_SUITE_P(
    Rows, SigDigFormatRows,
    ::testing::Values(
        F{"ThreeSixDigitsTwo", 456.7, 2, "4.6E+02", "460"},
        F{"RoundsUpToInteger", 98.76, 2, "9.9E+01", "99"},
        F{"FractionRounded", 123.46, 4, "1.235E+02", "123.5"},
        F{"SmallFraction", 0.05, 2, "5.0E-02", "0.050"},
        F{"NegativeHalf", -0.5, 3, "-5.00E-01", "-0.500"},
        F{"MantissaToTen", 999.96, 4, "1.000E+03", "1000"},
        // Half away from zero on the decimal the user would type, not on the binary fraction.
        F{"TwoPointSixSevenFive", 2.675, 3, "2.68E+00", "2.68"},
        F{"OneEighth", 0.125, 2, "1.3E-01", "0.13"},
        F{"OnePointZeroZeroFive", 1.005, 3, "1.01E+00", "1.01"},
        F{"NegativeHalfAway", -2.675, 3, "-2.68E+00", "-2.68"},
        F{"JustBelowHalf", 2.67499, 3, "2.67E+00", "2.67"},
        F{"HalfAtSixDigits", 1.234565, 6, "1.23457E+00", "1.23457"},
        F{"OneThirdTwelve", 1.0 / 3.0, 12, "3.33333333333E-01", "0.333333333333"},
        F{"CarryIntoNextExponentSmall", 0.0999, 2, "1.0E-01", "0.10"},
        F{"CarryToTenNegative", -9.96, 2, "-1.0E+01", "-10"},
        // Where the separator goes in fixed notation, across the exponent range.
        F{"ExponentEqualsDigitsLessOne", 12345.0, 5, "1.2345E+04", "12345"},
        F{"ExponentBeyondDigits", 1234567.0, 3, "1.23E+06", "1230000"},
        F{"ExponentZero", 7.0, 3, "7.00E+00", "7.00"},
        F{"ExponentMinusTwelve", 1.5e-12, 3, "1.50E-12", "0." + Zeros(11) + "150"},
        F{"ExponentTwentyFive", 1.5e25, 2, "1.5E+25", "15" + Zeros(24)},
        F{"ExponentTwentyTwelveDigits", 1.23456789012e20, 12, "1.23456789012E+20",
          "123456789012000000000"},
        // Three-digit exponents keep their sign and every digit; the extremes of the double range.
        F{"TenToMinusThreeHundred", 1e-300, 5, "1.0000E-300", "0." + Zeros(299) + "10000"},
        F{"TenToThreeHundred", 1e300, 5, "1.0000E+300", "1" + Zeros(300)},
        F{"NegativeSmallExponent", -3.25e-7, 3, "-3.25E-07", "-0.000000325"},
        F{"LargestDouble", std::numeric_limits<double>::max(), 4, "1.798E+308",
          "1798" + Zeros(305)},
        F{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), 3, "4.94E-324",
          "0." + Zeros(323) + "494"},
        F{"NegativeSubnormal", -std::numeric_limits<double>::denorm_min(), 2, "-4.9E-324",
          "-0." + Zeros(323) + "49"},
        F{"SubnormalCarry", 9.9999e-310, 2, "1.0E-309", "0." + Zeros(308) + "10"},
        F{"NegativeZero", -0.0, 3, "0.00", "0.00"},
        // Values that are not numbers are never shown as numbers.
        F{"Infinity", std::numeric_limits<double>::infinity(), 5, "ERROR", "ERROR"},
        F{"MinusInfinity", -std::numeric_limits<double>::infinity(), 5, "ERROR", "ERROR"},
        F{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 5, "ERROR", "ERROR"}),
    kRowName);

// Settings outside their range are corrected in place: one digit becomes two, a notation other
// than 0 or 2 fixed; valid settings are left alone, and thirteen digits show an error.
TEST(SigDigFormatSettings, CorrectedAndWrittenBack) {
    // digits, notation, digits and notation after, value, text
    const std::tuple<int16_t, int16_t, int16_t, int16_t, double, const char*> rows[] = {
        {1, 0, 2, 0, 456.7, "4.6E+02"},
        {4, 1, 4, 2, 1.2, "1.200"},
        {1, 5, 2, 2, 98.76, "99"},
        {12, 0, 12, 0, 1.0, "1.00000000000E+00"},
        {13, 0, 13, 0, 1.0, "ERROR"}};
    for (auto [digits, notation, digitsAfter, notationAfter, value, text] : rows) {
        EXPECT_EQ(SigDigFormat(value, digits, notation), text);
        EXPECT_EQ(std::pair(digits, notation), std::pair(digitsAfter, notationAfter)) << text;
    }
}

// What is shown reads back, through the program's own reader, within half a last digit shown.
class SigDigFormatReadsBack : public ::testing::TestWithParam<int> {};

TEST_P(SigDigFormatReadsBack, WithinHalfALastDigit) {
    const int n = GetParam();
    // Half a unit of the last digit, plus the rounding to fifteen digits that comes first.
    const double bound = 0.5 * std::pow(10.0, 1 - n) + 1e-14;
    ScriptedMessages messages;
    // A spread of mantissas and exponents, walked deterministically.
    double value = 1.2345678901234567e-40;
    for (int i = 0; i < 400; ++i) {
        value *= 1.6180339887498949;
        const double signedValue = (i % 3 == 0) ? -value : value;
        for (const int16_t notation : {kScientificNotation, kFixedNotation}) {
            const std::string text = Format(signedValue, n, notation);
            const double back = ParseNumber(text, messages);
            EXPECT_LE(std::fabs(back - signedValue), bound * std::fabs(signedValue)) << text;
        }
    }
    EXPECT_TRUE(messages.Empty());
}

INSTANTIATE_TEST_SUITE_P(EveryDigitCount, SigDigFormatReadsBack, ::testing::Range(2, 13));

// A row reads `text` as `value`; with a `refusal` the reader shows exactly it, else nothing.
struct ReadRow {
    const char* name;
    std::string text;
    double value;
    std::string refusal;
};

void ExpectRead(double got, ScriptedMessages& messages, const ReadRow& row) {
    if (row.value == 0.0) {
        EXPECT_EQ(got, 0.0);
    } else {
        EXPECT_DOUBLE_EQ(got, row.value);
    }
    if (row.refusal.empty()) {
        EXPECT_TRUE(messages.Empty()) << messages.Texts().front();
        return;
    }
    ASSERT_EQ(messages.shown.size(), 1U);
    const Message& shown = messages.shown.front();
    EXPECT_EQ(std::tie(shown.text, shown.title, shown.icon, shown.buttons),
              std::tuple(row.refusal, "Tidewell", MessageIcon::Exclamation, MessageButtons::Ok));
}

class ParseNumberRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ParseNumberRows, Reads) {
    ScriptedMessages messages;
    const double got = ParseNumber(GetParam().text, messages);
    EXPECT_TRUE(std::isfinite(got));
    ExpectRead(got, messages, GetParam());
}

using R = ReadRow;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, ParseNumberRows,
    ::testing::Values(
        R{"Empty", "", 0.0, ""}, R{"Letters", "abc", 0.0, "Can't parse abc."},
        // Digit grouping: "," only in the integer part, groups of three after a first of one to
        // three. A decimal comma is refused rather than read as a larger number.
        R{"Thousands", "1,000", 1000.0, ""}, R{"Millions", "-12,345,678.25", -12345678.25, ""},
        R{"DecimalComma", "1,5", 0.0, "Can't parse 1,5."},
        R{"LeadingComma", ",100", 0.0, "Can't parse ,100."},
        R{"Infinity", "inf", 0.0, "Can't parse inf."},
        R{"NotANumber", "nan", 0.0, "Can't parse nan."},
        R{"TooLarge", "1e400", 0.0, "Can't parse 1e400."},
        R{"HugeExponent", "1e99999999999999999999", 0.0, "Can't parse 1e99999999999999999999."},
        R{"NonAscii", "\xC2\xBD", 0.0, "Can't parse \xC2\xBD."},
        R{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max(), ""},
        R{"SmallestSubnormal", "4.9406564584124654e-324",
          std::numeric_limits<double>::denorm_min(), ""}),
    kRowName);
// clang-format on

TEST(ParseNumberSign, NegativeZeroKeepsItsSign) {
    ScriptedMessages messages;
    const double value = ParseNumber("-0", messages);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_TRUE(messages.Empty());
}

class EngValueRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(EngValueRows, Reads) {
    ScriptedMessages messages;
    const double got = EngValue(GetParam().text, messages);
    EXPECT_TRUE(std::isfinite(got));
    ExpectRead(got, messages, GetParam());
}

// The scan skips digits, signs, exponent letters, separators and blanks; the first other character
// counts. A scaled value beyond a double is refused, not shown as infinity.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, EngValueRows,
    ::testing::Values(R{"Kilo", "1.5 k", 1.5e3, ""}, R{"PsiWordIsPico", "10 psi", 1e-11, ""},
                      R{"KiloWithoutBlank", "10k", 0.0, "Can't parse 10k."},
                      R{"Empty", "", 0.0, ""},
                      R{"Unreadable", "abc", 0.0, "Can't parse abc."},
                      R{"ScaledBeyondRange", " 1e300 T ", 0.0, "Can't parse 1e300 T."}),
    kRowName);
// clang-format on

// Every prefix letter against the SI prefix it stands for; another letter scales by 1.
TEST(EngValuePrefixes, EverySiPrefix) {
    ScriptedMessages messages;
    const std::pair<char, double> prefixes[] = {
        {'f', 1e-15}, {'p', 1e-12}, {'n', 1e-9}, {'u', 1e-6}, {'m', 1e-3}, {'c', 1e-2},
        {'k', 1e3},   {'K', 1e3},   {'M', 1e6},  {'G', 1e9},  {'T', 1e12}, {'x', 1}};
    for (const auto& [letter, scale] : prefixes) {
        EXPECT_DOUBLE_EQ(EngValue(std::string("2.5 ") + letter, messages), 2.5 * scale) << letter;
    }
    EXPECT_TRUE(messages.Empty());
}

// Every factor from the SI definitions: 1 in = 25.4 mm, 1 lb = 0.45359237 kg, 1 psi = 1 lbf/in^2
// at g = 9.80665 m/s^2, 1 bar = 100 kPa, fresh water 0.984 times as dense as sea water. The
// program's rounded constants agree to 1e-6; where it rounds, its value is also worked by hand.
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
        EXPECT_NEAR(factor, unit.stated != 0 ? unit.stated : factor, 1e-12 * factor) << unit.name;
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
    const Message& shown = messages.shown[0];
    EXPECT_EQ(std::tie(shown.text, shown.title, shown.buttons),
              std::tuple("Unrecognized Units (" + GetParam() + ") in Conversion function",
                         "Tidewell", MessageButtons::Ok));
}

INSTANTIATE_TEST_SUITE_P(Names, ConversionUnknown,
                         ::testing::Values("FT", "ksi", " psi", "psi ", "", "Ft(sea)"));

// Without a saved unit this list holds, the English or metric default.
TEST(SelectUnit, SavedEntryOrTheSystemsDefault) {
    using Row = std::tuple<std::vector<std::string>, std::string, int16_t, std::optional<int>>;
    const Row rows[] = {{StressUnitList(), "", 0, 0},
                        {StressUnitList(), "", 1, 1},
                        {PressUnitList(), "furlongs", 0, 0},
                        {PressUnitList(), "furlongs", 1, 1},
                        {DeflectionUnitList(), "Ksi", 0, 0}};
    for (const auto& [entries, saved, unitSystem, expected] : rows) {
        EXPECT_EQ(SelectUnit(entries, saved, unitSystem), expected) << saved << unitSystem;
    }
}

// A saved name finds its entry in capitals and in small letters, every entry of every list (the
// fallback is kept away from the entry looked for).
TEST(SelectUnit, FindsEveryEntryInAnyCase) {
    for (const std::vector<std::string>* list :
         {&PressUnitList(), &DistortionUnitList(), &DepthUnitList(), &DeflectionUnitList(),
          &AngleDeflectUnitList(), &FailUnitList(), &WeightUnitList(), &MaterialPressureUnitList(),
          &MaterialDensityUnitList()}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            std::string upper = (*list)[i], lower = upper;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const int16_t system = i == 0 ? 1 : 0;
            EXPECT_EQ(SelectUnit(*list, upper, system), static_cast<int>(i)) << upper;
            EXPECT_EQ(SelectUnit(*list, lower, system), static_cast<int>(i)) << lower;
        }
    }
}

}  // namespace
}  // namespace tidewell
