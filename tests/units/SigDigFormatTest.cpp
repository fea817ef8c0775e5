// The number formatter: both notations, rounding of the typed decimal, settings corrected in
// place, the ends of the double range, values that are not numbers, and reading back.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

std::string Format(double value, int n, int notation) {
    int16_t digits = static_cast<int16_t>(n);
    int16_t code = static_cast<int16_t>(notation);
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

std::ostream& operator<<(std::ostream& out, const FormatRow& row) {
    return out << row.name;
}

class SigDigFormatRows : public ::testing::TestWithParam<FormatRow> {};

TEST_P(SigDigFormatRows, BothNotations) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(Format(row.value, row.digits, kScientificNotation), row.scientific);
    EXPECT_EQ(Format(row.value, row.digits, kFixedNotation), row.fixed);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SigDigFormatRows,
    ::testing::Values(FormatRow{"ThreeSixDigitsTwo", 456.7, 2, "4.6E+02", "460"},
                      FormatRow{"RoundsUpToInteger", 98.76, 2, "9.9E+01", "99"},
                      FormatRow{"FractionRounded", 123.46, 4, "1.235E+02", "123.5"},
                      FormatRow{"SmallFraction", 0.05, 2, "5.0E-02", "0.050"},
                      FormatRow{"NegativeHalf", -0.5, 3, "-5.00E-01", "-0.500"},
                      FormatRow{"MantissaToTen", 999.96, 4, "1.000E+03", "1000"}),
    [](const auto& row) { return std::string(row.param.name); });

// Half away from zero on the decimal the user would type, not on the binary fraction.
INSTANTIATE_TEST_SUITE_P(
    Rounding, SigDigFormatRows,
    ::testing::Values(FormatRow{"TwoPointSixSevenFive", 2.675, 3, "2.68E+00", "2.68"},
                      FormatRow{"OneEighth", 0.125, 2, "1.3E-01", "0.13"},
                      FormatRow{"OnePointZeroZeroFive", 1.005, 3, "1.01E+00", "1.01"},
                      FormatRow{"NegativeHalfAway", -2.675, 3, "-2.68E+00", "-2.68"},
                      FormatRow{"JustBelowHalf", 2.67499, 3, "2.67E+00", "2.67"},
                      FormatRow{"HalfAtSixDigits", 1.234565, 6, "1.23457E+00", "1.23457"},
                      FormatRow{"OneThirdTwelve", 1.0 / 3.0, 12, "3.33333333333E-01",
                                "0.333333333333"},
                      FormatRow{"CarryIntoNextExponentSmall", 0.0999, 2, "1.0E-01", "0.10"},
                      FormatRow{"CarryToTenNegative", -9.96, 2, "-1.0E+01", "-10"}),
    [](const auto& row) { return std::string(row.param.name); });

// Where the separator goes in fixed notation, across the exponent range.
INSTANTIATE_TEST_SUITE_P(
    FixedPlacement, SigDigFormatRows,
    ::testing::Values(FormatRow{"ExponentEqualsDigitsLessOne", 12345.0, 5, "1.2345E+04", "12345"},
                      FormatRow{"ExponentBeyondDigits", 1234567.0, 3, "1.23E+06", "1230000"},
                      FormatRow{"ExponentZero", 7.0, 3, "7.00E+00", "7.00"},
                      FormatRow{"ExponentMinusTwelve", 1.5e-12, 3, "1.50E-12",
                                "0." + Zeros(11) + "150"},
                      FormatRow{"ExponentTwentyFive", 1.5e25, 2, "1.5E+25", "15" + Zeros(24)},
                      FormatRow{"ExponentTwentyTwelveDigits", 1.23456789012e20, 12,
                                "1.23456789012E+20", "123456789012000000000"}),
    [](const auto& row) { return std::string(row.param.name); });

// Three-digit exponents keep their sign and every digit; the extremes of the double range.
INSTANTIATE_TEST_SUITE_P(
    Extremes, SigDigFormatRows,
    ::testing::Values(
        FormatRow{"TenToMinusThreeHundred", 1e-300, 5, "1.0000E-300", "0." + Zeros(299) + "10000"},
        FormatRow{"TenToThreeHundred", 1e300, 5, "1.0000E+300", "1" + Zeros(300)},
        FormatRow{"NegativeSmallExponent", -3.25e-7, 3, "-3.25E-07", "-0.000000325"},
        FormatRow{"LargestDouble", std::numeric_limits<double>::max(), 4, "1.798E+308",
                  "1798" + Zeros(305)},
        FormatRow{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), 3, "4.94E-324",
                  "0." + Zeros(323) + "494"},
        FormatRow{"NegativeSubnormal", -std::numeric_limits<double>::denorm_min(), 2, "-4.9E-324",
                  "-0." + Zeros(323) + "49"},
        FormatRow{"SubnormalCarry", 9.9999e-310, 2, "1.0E-309", "0." + Zeros(308) + "10"},
        FormatRow{"NegativeZero", -0.0, 3, "0.00", "0.00"}),
    [](const auto& row) { return std::string(row.param.name); });

// Settings outside their range are corrected in place.
struct SettingsRow {
    const char* name;
    int digits;
    int notation;
    int digitsAfter;
    int notationAfter;
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const SettingsRow& row) {
    return out << row.name;
}

class SigDigFormatSettings : public ::testing::TestWithParam<SettingsRow> {};

TEST_P(SigDigFormatSettings, CorrectedAndWrittenBack) {
    const SettingsRow& row = GetParam();
    int16_t digits = static_cast<int16_t>(row.digits);
    int16_t notation = static_cast<int16_t>(row.notation);
    EXPECT_EQ(SigDigFormat(row.value, digits, notation), row.text);
    EXPECT_EQ(digits, row.digitsAfter);
    EXPECT_EQ(notation, row.notationAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SigDigFormatSettings,
    ::testing::Values(SettingsRow{"OneDigitBecomesTwo", 1, 0, 2, 0, 456.7, "4.6E+02"},
                      SettingsRow{"NotationOneBecomesFixed", 4, 1, 4, 2, 1.2, "1.200"},
                      SettingsRow{"BothCorrected", 1, 5, 2, 2, 98.76, "99"},
                      SettingsRow{"ValidLeftAlone", 12, 0, 12, 0, 1.0, "1.00000000000E+00"},
                      SettingsRow{"ThirteenIsError", 13, 0, 13, 0, 1.0, "ERROR"}),
    [](const auto& row) { return std::string(row.param.name); });

// Values that are not numbers are never shown as numbers.
class SigDigFormatNotFinite : public ::testing::TestWithParam<double> {};

TEST_P(SigDigFormatNotFinite, ShowsError) {
    EXPECT_EQ(Format(GetParam(), 5, kScientificNotation), "ERROR");
    EXPECT_EQ(Format(GetParam(), 5, kFixedNotation), "ERROR");
}

INSTANTIATE_TEST_SUITE_P(Values, SigDigFormatNotFinite,
                         ::testing::Values(std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(),
                                           std::numeric_limits<double>::quiet_NaN()));

// What is shown reads back, through the program's own reader, as the value within half a unit
// of the last digit shown.
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
            int16_t digits = static_cast<int16_t>(n);
            int16_t code = notation;
            const std::string text = SigDigFormat(signedValue, digits, code);
            const double back = ParseNumber(text, messages);
            EXPECT_LE(std::fabs(back - signedValue), bound * std::fabs(signedValue)) << text;
        }
    }
    EXPECT_TRUE(messages.Empty());
}

INSTANTIATE_TEST_SUITE_P(EveryDigitCount, SigDigFormatReadsBack, ::testing::Range(2, 13));

}  // namespace
}  // namespace tidewell
