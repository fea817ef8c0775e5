// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers and texts as the project file holds them: the number form written and read back
// exactly, the delimited number field, and the text encoding.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "project/NumberText.h"
#include "project/TextEncoding.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

struct NumberTextRow {
    const char* name;
    double value;
    const char* text;
};

class ProjectNumberTextTest : public ::testing::TestWithParam<NumberTextRow> {};

TEST_P(ProjectNumberTextTest, WritesTheFileForm) {
    EXPECT_EQ(ProjectNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ProjectNumberTextTest,
    ::testing::Values(NumberTextRow{"NegativeZero", -0.0, " 0"},
                      NumberTextRow{"MinusHalf", -0.5, "-.5"},
                      NumberTextRow{"OneE15", 1e15, " 1E+15"},
                      NumberTextRow{"OneEMinus4", 1e-4, " .0001"},
                      NumberTextRow{"SeventeenDigits", 0.1 + 0.2, " .30000000000000004"},
                      NumberTextRow{"LargestDouble", std::numeric_limits<double>::max(),
                                    " 1.7976931348623157E+308"},
                      NumberTextRow{"NotANumber", std::nan(""), " 0"},
                      NumberTextRow{"Infinity", std::numeric_limits<double>::infinity(), " 0"}),
    [](const auto& row) { return std::string(row.param.name); });

// Every double written reads back as exactly the same double, through both readers.
TEST(ProjectNumberText, RoundTripsRandomDoublesExactly) {
    std::mt19937_64 generator(20240611);
    std::uniform_int_distribution<int> exponent(-310, 310);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    ScriptedMessages messages;
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(generator) * std::pow(10.0, exponent(generator));
        if (!std::isfinite(value)) continue;
        const std::string text = ProjectNumberText(value);
        const std::optional<double> field = ReadNumberField(text);
        ASSERT_TRUE(field.has_value()) << text;
        EXPECT_EQ(*field, value) << text;
        EXPECT_EQ(ParseNumber(text, messages), value) << text;
    }
    EXPECT_TRUE(messages.Empty());
}

struct FieldRow {
    const char* name;
    const char* line;
    bool readable;
    double value;
};

class NumberFieldTest : public ::testing::TestWithParam<FieldRow> {};

TEST_P(NumberFieldTest, ReadsDelimitedField) {
    const std::optional<double> value = ReadNumberField(GetParam().line);
    ASSERT_EQ(value.has_value(), GetParam().readable);
    if (value) {
        EXPECT_EQ(*value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, NumberFieldTest,
                         ::testing::Values(FieldRow{"TrailingBlank", " 5 ", true, 5},
                                           FieldRow{"EndsAtBlank", "12 apples", true, 12},
                                           FieldRow{"Plus", "+3", true, 3},
                                           FieldRow{"Exponent", " 1E+15", true, 1e15},
                                           FieldRow{"Word", "abc", false, 0},
                                           FieldRow{"Infinity", "inf", false, 0},
                                           FieldRow{"NotANumber", "nan", false, 0},
                                           FieldRow{"Vanishing", "1e-400", false, 0},
                                           FieldRow{"PointAlone", ".", false, 0},
                                           FieldRow{"LetterAfter", "5x", false, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(EncodeFileText, WritesUtf8WhenTheSingleBytesWouldReadAsOtherCharacters) {
    const std::string aTildeCopyright = "\xC3\x83\xC2\xA9";  // its Windows-1252 bytes are C3 A9
    EXPECT_EQ(EncodeFileText(aTildeCopyright), aTildeCopyright);
    EXPECT_EQ(DecodeFileText(EncodeFileText(aTildeCopyright)), aTildeCopyright);
}

class EncodingRoundTripTest : public ::testing::TestWithParam<std::string> {};

TEST_P(EncodingRoundTripTest, ReadsBackWhatWasWritten) {
    EXPECT_EQ(DecodeFileText(EncodeFileText(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, EncodingRoundTripTest,
                         ::testing::Values("", "Titanium 6Al-4V",
                                           "Ana M\xC3\xBCller, Z\xC3\xBCrich",
                                           "\xE2\x82\xAC\xE2\x80\x93\xC5\x93\xC3\xBF",
                                           "\xE6\xB7\xB1\xE6\xB5\xB7 probe",
                                           "\xC3\x83\xC2\xA9t\xC3\xA9"));

}  // namespace
}  // namespace tidewell
