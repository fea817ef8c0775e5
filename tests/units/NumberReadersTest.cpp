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

INSTANTIATE_TEST_SUITE_P(Examples, ParseNumberRows,
                         ::testing::Values(ReadRow{"Empty", "", 0.0, ""},
                                           ReadRow{"Letters", "abc", 0.0, "Can't parse abc."}),
                         kRowName);

// Digit grouping: "," only in the integer part, a first group of one to three digits and then
// groups of exactly three. A decimal comma is refused rather than read as a larger number.
INSTANTIATE_TEST_SUITE_P(Grouping, ParseNumberRows,
                         ::testing::Values(ReadRow{"Thousands", "1,000", 1000.0, ""},
                                           ReadRow{"Millions", "-12,345,678.25", -12345678.25, ""},
                                           ReadRow{"DecimalComma", "1,5", 0.0, "Can't parse 1,5."},
                                           ReadRow{"LeadingComma", ",100", 0.0,
                                                   "Can't parse ,100."}),
                         kRowName);

INSTANTIATE_TEST_SUITE_P(Unreadable, ParseNumberRows,
                         ::testing::Values(ReadRow{"Infinity", "inf", 0.0, "Can't parse inf."},
                                           ReadRow{"NotANumber", "nan", 0.0, "Can't parse nan."},
                                           ReadRow{"TooLarge", "1e400", 0.0, "Can't parse 1e400."},
                                           ReadRow{"HugeExponent", "1e99999999999999999999", 0.0,
                                                   "Can't parse 1e99999999999999999999."},
                                           ReadRow{"NonAscii", "\xC2\xBD", 0.0,
                                                   "Can't parse \xC2\xBD."}),
                         kRowName);

INSTANTIATE_TEST_SUITE_P(RangeEnds, ParseNumberRows,
                         ::testing::Values(ReadRow{"LargestDouble", "1.7976931348623157e308",
                                                   std::numeric_limits<double>::max(), ""},
                                           ReadRow{"SmallestSubnormal", "4.9406564584124654e-324",
                                                   std::numeric_limits<double>::denorm_min(), ""}),
                         kRowName);

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

INSTANTIATE_TEST_SUITE_P(Examples, EngValueRows,
                         ::testing::Values(ReadRow{"Kilo", "1.5 k", 1.5e3, ""},
                                           ReadRow{"KiloWithoutBlank", "10k", 0.0,
                                                   "Can't parse 10k."},
                                           ReadRow{"PsiWordIsPico", "10 psi", 1e-11, ""}),
                         kRowName);

// The scan skips digits, signs, exponent letters, separators and blanks, and only the first other
// character counts.
INSTANTIATE_TEST_SUITE_P(Scan, EngValueRows,
                         ::testing::Values(ReadRow{"Empty", "", 0.0, ""},
                                           ReadRow{"Unreadable", "abc", 0.0, "Can't parse abc."}),
                         kRowName);

// A readable number whose scaled value is beyond a double is refused, not shown as infinity.
INSTANTIATE_TEST_SUITE_P(Range, EngValueRows,
                         ::testing::Values(ReadRow{"ScaledBeyondRange", " 1e300 T ", 0.0,
                                                   "Can't parse 1e300 T."}),
                         kRowName);

}  // namespace
}  // namespace tidewell
