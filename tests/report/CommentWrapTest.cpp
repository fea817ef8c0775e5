// Wrapping of the material comment in the report, and the print zones of its fields.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/ReportLines.h"

namespace tidewell {
namespace {

struct WrapCase {
    const char* name;
    std::string comment;
    std::vector<std::string> lines;
};

class CommentWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(CommentWrap, BreaksLikeTheReport) {
    EXPECT_EQ(WrapComment(GetParam().comment), GetParam().lines);
}

const std::string k60 = "123456789012345678901234567890123456789012345678901234567890";

INSTANTIATE_TEST_SUITE_P(
    Comments, CommentWrap,
    ::testing::Values(
        WrapCase{"Short", "Annealed.", {"Annealed."}},
        // 70 characters without a blank: 60, then the other 10.
        WrapCase{"SeventyWithoutBlanks", k60 + "abcdefghij", {k60, "abcdefghij"}},
        // Exactly 60 characters: the line is full, an empty line follows.
        WrapCase{"ExactlySixty", k60, {k60, ""}},
        // A blank as the 52nd character ends the line there, the blank kept at its end.
        WrapCase{"BlankAt52", std::string(51, 'x') + " tail", {std::string(51, 'x') + " ", "tail"}},
        // A blank as the 50th character already breaks; one as the 49th does not.
        WrapCase{"BlankAt49NoBreak",
                 std::string(48, 'x') + " " + std::string(20, 'y'),
                 {std::string(48, 'x') + " " + std::string(11, 'y'), std::string(9, 'y')}},
        WrapCase{"CarriageReturnLineFeed", "one\r\ntwo", {"one", "two"}},
        WrapCase{"LineFeedOnly", "one\ntwo", {"one", "two"}},
        // A line break restarts the count.
        WrapCase{"BreakRestartsCount",
                 std::string(40, 'a') + "\r\n" + std::string(40, 'b') + " c",
                 {std::string(40, 'a'), std::string(40, 'b') + " c"}},
        // Multi-byte characters count once: 60 "é" fill one line.
        WrapCase{"Utf8CountsCharacters",
                 [] {
                     std::string s;
                     for (int i = 0; i < 61; ++i) s += "\xC3\xA9";
                     return s;
                 }(),
                 {[] {
                      std::string s;
                      for (int i = 0; i < 60; ++i) s += "\xC3\xA9";
                      return s;
                  }(),
                  "\xC3\xA9"}}),
    [](const ::testing::TestParamInfo<WrapCase>& row) { return row.param.name; });

struct ZoneCase {
    const char* name;
    ReportLine line;
    std::string printed;
};

class PrintZones : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(PrintZones, FieldsStartAtTheNextZone) {
    EXPECT_EQ(JoinInPrintZones(GetParam().line), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PrintZones,
    ::testing::Values(ZoneCase{"Single", {"abc"}, "abc"},
                      ZoneCase{"Header",
                               {"Tidewell  Ver. 4.6", "10:00:00", "2024-01-01"},
                               "Tidewell  Ver. 4.6" + std::string(10, ' ') + "10:00:00" +
                                   std::string(6, ' ') + "2024-01-01"},
                      // A field that ends on a zone boundary still moves one zone on.
                      ZoneCase{"FullZone",
                               {"12345678901234", "x"},
                               "12345678901234" + std::string(14, ' ') + "x"}),
    [](const ::testing::TestParamInfo<ZoneCase>& row) { return row.param.name; });

}  // namespace
}  // namespace tidewell
