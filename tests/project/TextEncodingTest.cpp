#include <gtest/gtest.h>

#include "project/TextEncoding.h"

namespace tidewell {
namespace {

struct Utf8Row {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8ValidityTest : public ::testing::TestWithParam<Utf8Row> {};

TEST_P(Utf8ValidityTest, TellsWellFormedUtf8) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8ValidityTest,
                         ::testing::Values(Utf8Row{"Ascii", "Tidewell Ver. 4.6", true},
                                           Utf8Row{"FourBytes", "\xF0\x9F\x8C\x8A", true},
                                           Utf8Row{"LoneContinuation", "\x80", false},
                                           Utf8Row{"Overlong", "\xC0\xAF", false},
                                           Utf8Row{"CutShort", "\xE2\x82", false}),
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
