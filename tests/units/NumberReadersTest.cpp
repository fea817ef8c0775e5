// The two readers of typed numbers: what they accept, what they refuse and what the user is told.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

// A row reads `text` as `value`; when `refusal` is not empty the reader must show exactly that
// message (and give 0), otherwise it must show nothing.
struct ReadRow {
    const char* name;
    std::string text;
    double value;
    std::string refusal;
};

std::ostream& operator<<(std::ostream& out, const ReadRow& row) {
    return out << row.name;
}

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
    EXPECT_EQ(shown.text, row.refusal);
    EXPECT_EQ(shown.title, "Tidewell");
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
}

class ParseNumberRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ParseNumberRows, Reads) {
    ScriptedMessages messages;
    const double got = ParseNumber(GetParam().text, messages);
    EXPECT_TRUE(std::isfinite(got));
    ExpectRead(got, messages, GetParam());
}

const auto kRowName = [](const auto& row) { return std::string(row.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseNumberRows,
    ::testing::Values(ReadRow{"LeadingBlanksAndUnitWord", "   12.5 kg", 12.5, ""},
                      ReadRow{"SecondPointCuts", "1.2.3", 1.2, ""}, ReadRow{"Empty", "", 0.0, ""},
                      ReadRow{"Letters", "abc", 0.0, "Can't parse abc."}),
    kRowName);

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseNumberRows,
    ::testing::Values(ReadRow{"Integer", "42", 42.0, ""}, ReadRow{"PlusSign", "+5", 5.0, ""},
                      ReadRow{"LeadingPoint", ".5", 0.5, ""},
                      ReadRow{"TrailingPoint", "5.", 5.0, ""},
                      ReadRow{"CapitalExponent", "1E+05", 100000.0, ""},
                      ReadRow{"PointBeforeExponent", "2.E2", 200.0, ""},
                      ReadRow{"ExponentCutAtSecondPoint", "1.5e3.2", 1500.0, ""},
                      ReadRow{"ExponentLeadingZeros", "1e0000000000000000000005", 100000.0, ""},
                      ReadRow{"ZeroHugeExponent", "0e99999999999999999999", 0.0, ""},
                      ReadRow{"SecondWordIgnored", "7 8 9", 7.0, ""}),
    kRowName);

// Digit grouping: "," only in the integer part, a first group of one to three digits and then
// groups of exactly three. A decimal comma is refused rather than read as a larger number.
INSTANTIATE_TEST_SUITE_P(
    Grouping, ParseNumberRows,
    ::testing::Values(ReadRow{"Thousands", "1,000", 1000.0, ""},
                      ReadRow{"Millions", "-12,345,678.25", -12345678.25, ""},
                      ReadRow{"SingleDigitGroups", "1,2,3", 0.0, "Can't parse 1,2,3."},
                      ReadRow{"DecimalComma", "1,5", 0.0, "Can't parse 1,5."},
                      ReadRow{"FourDigitGroup", "1,0000", 0.0, "Can't parse 1,0000."},
                      ReadRow{"LeadingComma", ",100", 0.0, "Can't parse ,100."},
                      ReadRow{"CommaInFraction", "1.000,5", 0.0, "Can't parse 1.000,5."},
                      ReadRow{"CommaInExponent", "1e1,000", 0.0, "Can't parse 1e1,000."}),
    kRowName);

INSTANTIATE_TEST_SUITE_P(
    Unreadable, ParseNumberRows,
    ::testing::Values(ReadRow{"BareExponent", "1e", 0.0, "Can't parse 1e."},
                      ReadRow{"Plus", "+", 0.0, "Can't parse +."},
                      ReadRow{"Point", ".", 0.0, "Can't parse .."},
                      ReadRow{"TrailingSign", "5-", 0.0, "Can't parse 5-."},
                      ReadRow{"PrefixWithoutBlank", "10k", 0.0, "Can't parse 10k."},
                      ReadRow{"CutAtBlank", "  x1 2", 0.0, "Can't parse x1."},
                      ReadRow{"Tab", "1\t2", 0.0, "Can't parse 1\t2."},
                      ReadRow{"Infinity", "inf", 0.0, "Can't parse inf."},
                      ReadRow{"NotANumber", "nan", 0.0, "Can't parse nan."},
                      ReadRow{"Hexadecimal", "0x1A", 0.0, "Can't parse 0x1A."},
                      ReadRow{"TooLarge", "1e400", 0.0, "Can't parse 1e400."},
                      ReadRow{"TooSmall", "1e-400", 0.0, "Can't parse 1e-400."},
                      ReadRow{"HugeExponent", "1e99999999999999999999", 0.0,
                              "Can't parse 1e99999999999999999999."},
                      ReadRow{"NonAscii", "\xC2\xBD", 0.0, "Can't parse \xC2\xBD."}),
    kRowName);

INSTANTIATE_TEST_SUITE_P(RangeEnds, ParseNumberRows,
                         ::testing::Values(ReadRow{"LargestDouble", "1.7976931348623157e308",
                                                   std::numeric_limits<double>::max(), ""},
                                           ReadRow{"SmallestSubnormal", "4.9406564584124654e-324",
                                                   std::numeric_limits<double>::denorm_min(), ""},
                                           ReadRow{"ThreeHundredDigitsOne",
                                                   "1" + std::string(300, '0'), 1e300, ""},
                                           ReadRow{"FractionOfManyZeros",
                                                   "0." + std::string(299, '0') + "1", 1e-300, ""}),
                         kRowName);

TEST(ParseNumberSign, NegativeZeroKeepsItsSign) {
    ScriptedMessages messages;
    const double value = ParseNumber("-0", messages);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_TRUE(messages.Empty());
}

TEST(ParseNumberMessages, OneMessagePerCall) {
    ScriptedMessages messages;
    ParseNumber("abc", messages);
    ParseNumber("1,2,3", messages);
    ParseNumber("12", messages);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Can't parse abc.", "Can't parse 1,2,3."}));
}

class EngValueRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(EngValueRows, Reads) {
    ScriptedMessages messages;
    const double got = EngValue(GetParam().text, messages);
    EXPECT_TRUE(std::isfinite(got));
    ExpectRead(got, messages, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EngValueRows,
    ::testing::Values(ReadRow{"Kilo", "1.5 k", 1.5e3, ""}, ReadRow{"Micro", "2 u", 2e-6, ""},
                      ReadRow{"NoPrefix", "7", 7.0, ""},
                      ReadRow{"KiloWithoutBlank", "10k", 0.0, "Can't parse 10k."},
                      ReadRow{"MillimetreWord", "25 mm", 0.025, ""},
                      ReadRow{"PsiWordIsPico", "10 psi", 1e-11, ""}),
    kRowName);

// Every prefix letter, and the letters of other case that are no prefix.
INSTANTIATE_TEST_SUITE_P(
    Letters, EngValueRows,
    ::testing::Values(ReadRow{"Femto", "4 f", 4e-15, ""}, ReadRow{"Milli", "4 m", 4e-3, ""},
                      ReadRow{"KiloCapital", "4 K", 4e3, ""}, ReadRow{"Mega", "4 M", 4e6, ""},
                      ReadRow{"Tera", "4 T", 4e12, ""}, ReadRow{"CapitalFIsNone", "4 F", 4.0, ""},
                      ReadRow{"SmallGIsNone", "4 g", 4.0, ""}),
    kRowName);

// The scan skips digits, signs, exponent letters, separators and blanks, and only the first other
// character counts.
INSTANTIATE_TEST_SUITE_P(Scan, EngValueRows,
                         ::testing::Values(ReadRow{"ExponentLetterSkipped", "1 e", 1.0, ""},
                                           ReadRow{"ExponentThenPrefix", "1e3 k", 1e6, ""},
                                           ReadRow{"NegativeWithPrefix", "-3 k", -3000.0, ""},
                                           ReadRow{"OnlyFirstLetterCounts", "5 kM", 5000.0, ""},
                                           ReadRow{"OtherLetterFirst", "5 xk", 5.0, ""},
                                           ReadRow{"PrefixAlone", "k", 0.0, "Can't parse k."},
                                           ReadRow{"Empty", "", 0.0, ""},
                                           ReadRow{"AllBlank", "   ", 0.0, ""},
                                           ReadRow{"Unreadable", "abc", 0.0, "Can't parse abc."}),
                         kRowName);

// A readable number whose scaled value is beyond a double is refused, not shown as infinity.
INSTANTIATE_TEST_SUITE_P(Range, EngValueRows,
                         ::testing::Values(ReadRow{"ScaledBeyondRange", " 1e300 T ", 0.0,
                                                   "Can't parse 1e300 T."},
                                           ReadRow{"LargeButInRange", "1e290 T", 1e302, ""}),
                         kRowName);

}  // namespace
}  // namespace tidewell
