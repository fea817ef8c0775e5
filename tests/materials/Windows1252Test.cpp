// The conversion between the materials file's single-byte text and the program's UTF-8.

#include <gtest/gtest.h>

#include <string>

#include "materials/Windows1252.h"
#include "tests/materials/MaterialsTestSupport.h"

namespace tidewell {
namespace {

struct CharacterCase {
    const char* label;
    unsigned char byte;
    const char* utf8;
};

class Windows1252Characters : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(Windows1252Characters, ConvertBothWays) {
    const std::string single(1, static_cast<char>(GetParam().byte));
    EXPECT_EQ(Windows1252ToUtf8(single), GetParam().utf8);
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(GetParam().utf8, back));
    EXPECT_EQ(back, single);
}

// Code points from the published code page table.
INSTANTIATE_TEST_SUITE_P(
    CodePage, Windows1252Characters,
    ::testing::Values(CharacterCase{"ascii_letter", 0x41, "A"}, CharacterCase{"blank", 0x20, " "},
                      CharacterCase{"euro_sign", 0x80, "\xE2\x82\xAC"},
                      CharacterCase{"undefined_81_as_control", 0x81, "\xC2\x81"},
                      CharacterCase{"y_diaeresis_capital", 0x9F, "\xC5\xB8"},
                      CharacterCase{"e_acute", 0xE9, "\xC3\xA9"}),
    testing::RowLabel());

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

struct RefusedCase {
    const char* label;
    const char* utf8;
};

class Windows1252Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Windows1252Refused, LeavesTheOutputUnchanged) {
    std::string out = "unchanged";
    EXPECT_FALSE(Utf8ToWindows1252(GetParam().utf8, out));
    EXPECT_EQ(out, "unchanged");
    EXPECT_FALSE(FitsWindows1252(GetParam().utf8));
}

INSTANTIATE_TEST_SUITE_P(Texts, Windows1252Refused,
                         ::testing::Values(RefusedCase{"greek_omega", "\xCE\xA9"},
                                           RefusedCase{"check_mark", "ok \xE2\x9C\x93"},
                                           RefusedCase{"emoji", "\xF0\x9F\x98\x80"},
                                           RefusedCase{"lone_continuation_byte", "a\x80"},
                                           RefusedCase{"cut_sequence", "\xC3"},
                                           RefusedCase{"overlong_slash", "\xC0\xAF"},
                                           RefusedCase{"surrogate", "\xED\xA0\x80"}),
                         testing::RowLabel());

struct UpperCase {
    const char* label;
    const char* text;
    const char* upper;
};

class Windows1252Upper : public ::testing::TestWithParam<UpperCase> {};

TEST_P(Windows1252Upper, CapitalsOfTheCodePage) {
    EXPECT_EQ(UpperCaseText(GetParam().text), GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Windows1252Upper,
    ::testing::Values(UpperCase{"ascii", "Ti-6Al-4v", "TI-6AL-4V"},
                      UpperCase{"e_acute", "\xC3\xA9tain", "\xC3\x89TAIN"},
                      UpperCase{"s_caron", "\xC5\xA1", "\xC5\xA0"},
                      UpperCase{"y_diaeresis", "\xC3\xBF", "\xC5\xB8"},
                      UpperCase{"micro_has_no_capital", "\xC2\xB5m", "\xC2\xB5M"},
                      UpperCase{"division_sign_kept", "\xC3\xB7", "\xC3\xB7"},
                      UpperCase{"sharp_s_kept",
                                "stra\xC3\x9F"
                                "e",
                                "STRA\xC3\x9F"
                                "E"},
                      UpperCase{"outside_code_page_kept", "\xCF\x89x", "\xCF\x89X"}),
    testing::RowLabel());

}  // namespace
}  // namespace tidewell
