// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The text-file report of every component against reports written out by hand, its table rows
// and the file written; the wrapping of the material comment and the print zones of its fields;
// and the report's time stamp, from known instants to the ends of the calendar.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/ReportClock.h"
#include "report/ReportLines.h"
#include "report/TextReport.h"
#include "tests/TestFiles.h"
#include "tests/report/ReportFixtures.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::Grid;

std::string ExpectedFile(const std::string& name) {
    return testing::ReadBytes(std::string(TIDEWELL_SOURCE_DIR) + "/tests/report/expected/" + name);
}

struct ComponentCase {
    const char* name;
    ReportInput (*input)();
    const char* expectedFile;
};

class TextReportOfComponent : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(TextReportOfComponent, MatchesTheHandWrittenReport) {
    ScriptedMessages messages;
    const std::string expected = ExpectedFile(GetParam().expectedFile);
    ASSERT_FALSE(expected.empty()) << GetParam().expectedFile;
    EXPECT_EQ(TextReport(GetParam().input(), messages), expected);
    EXPECT_TRUE(messages.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryComponent, TextReportOfComponent,
    ::testing::Values(
        ComponentCase{"Tube", testing::TubeInput, "tube.txt"},
        ComponentCase{"Sphere", testing::SphereInput, "sphere.txt"},
        ComponentCase{"Hemisphere", testing::HemisphereInput, "hemisphere.txt"},
        ComponentCase{"Conical", testing::ConicalInput, "conical.txt"},
        ComponentCase{"Hemispherical", testing::HemisphericalInput, "hemispherical.txt"},
        ComponentCase{"FlatCircular", testing::FlatCircularInput, "flat_circular.txt"},
        ComponentCase{"FlatAnnular", testing::FlatAnnularInput, "flat_annular.txt"}),
    [](const ::testing::TestParamInfo<ComponentCase>& row) { return row.param.name; });

// Every geometry line shows its own field with its own unit, whatever the component; the annular
// plate's three load diameters share the line-load unit, its iterations have none.
TEST(ReportLines, EveryGeometryFieldWithItsOwnUnit) {
    for (const auto input :
         {testing::TubeInput, testing::SphereInput, testing::HemisphereInput, testing::ConicalInput,
          testing::HemisphericalInput, testing::FlatCircularInput, testing::FlatAnnularInput}) {
        ReportInput in = input();
        in.fieldTexts = {"F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};
        in.unitTexts = {"U0", "U1", "U2", "U3", "U4"};
        ScriptedMessages messages;
        int fields = 0;
        for (const ReportLine& line : ReportBodyLines(in, ReportForm::TextFile, messages)) {
            const std::string text = JoinWithTabs(line);
            const size_t at = text.find(":  F");
            if (at == std::string::npos || text[at + 4] == '5') continue;
            const int field = text[at + 4] - '0';
            EXPECT_EQ(text.substr(at + 3),
                      "F" + std::to_string(field) + "  U" + std::to_string(std::min(field, 4)));
            ++fields;
        }
        EXPECT_GE(fields, 3) << in.componentCode;
    }
}

// The stored version printed with one or two decimals when it reads as a number from 0 up,
// otherwise as it is stored.
TEST(ReportLines, PrintedVersion) {
    EXPECT_EQ(PrintedVersionText("4.6"), " 4.6");
    EXPECT_EQ(PrintedVersionText("4.25"), " 4.25");
    EXPECT_EQ(PrintedVersionText("0"), " 0.0");
    EXPECT_EQ(PrintedVersionText("-1"), " -1");
    EXPECT_EQ(PrintedVersionText("4.6b"), " 4.6b");
}

struct TableCase {
    const char* name;
    Grid grid;
    std::vector<std::string> lines;
};

class TextReportTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(TextReportTable, MarksRowsFromTheFirstFailingCell) {
    EXPECT_EQ(TextReportTableLines(GetParam().grid), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextReportTable,
    ::testing::Values(
        TableCase{"NoFailureNoFootnote",
                  {{"P", "D"}, {"psi", "ft"}, {"1", "2"}, {"2", "4"}},
                  {"\tP\tD", "\tpsi\tft", "\t1\t2", "\t2\t4"}},
        TableCase{"FailFromSecondRowOn",
                  {{"P"}, {"psi"}, {"1"}, {"2 (fail)"}, {"3 (fail)"}},
                  {"\tP", "\tpsi", "\t1", "*\t2", "*\t3", "\t* = after housing failure"}},
        // Once a failing cell is met the flag stays set, marked or not.
        // A failing cell after the first one marks only the rows that follow.
        TableCase{"FailInALaterCell",
                  {{"1", "x (fail)"}, {"2", "y"}},
                  {"\t1\tx", "*\t2\ty", "\t* = after housing failure"}},
        TableCase{"ShortRowsGetEmptyCells", {{"a", "b", "c"}, {"d"}}, {"\ta\tb\tc", "\td\t\t"}}),
    [](const ::testing::TestParamInfo<TableCase>& row) { return row.param.name; });

TEST(ReportFile, WritesTheReportAndReplacesAnOldFile) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("Report.txt");
    testing::WriteBytes(path, "an older report that is much longer than nothing\n");
    ScriptedMessages messages;
    ASSERT_TRUE(WriteReportFile(testing::TubeInput(), path, messages));
    EXPECT_EQ(testing::ReadBytes(path), ExpectedFile("tube.txt"));
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(std::filesystem::exists(path + ".writing"));
}

// ---- The material comment and print zones ----

struct WrapCase {
    const char* name;
    std::string comment;
    std::vector<std::string> lines;
};

class CommentWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(CommentWrap, BreaksLikeTheReport) {
    EXPECT_EQ(WrapComment(GetParam().comment), GetParam().lines);
}

std::string Repeat(const std::string& text, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += text;
    return s;
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
        WrapCase{"FiftyNine", k60.substr(1), {k60.substr(1)}},
        // A blank as the 52nd character ends the line there, the blank kept at its end.
        WrapCase{"BlankAt52", std::string(51, 'x') + " tail", {std::string(51, 'x') + " ", "tail"}},
        // A blank as the 50th character already breaks; one as the 49th does not.
        WrapCase{"BlankAt49NoBreak",
                 std::string(48, 'x') + " " + std::string(20, 'y'),
                 {std::string(48, 'x') + " " + std::string(11, 'y'), std::string(9, 'y')}},
        WrapCase{"CarriageReturnLineFeed", "one\r\ntwo", {"one", "two"}},
        WrapCase{"LineFeedOnly", "one\ntwo", {"one", "two"}},
        WrapCase{"LeadingBreaks", "\r\nx\ny", {"", "x", "y"}},
        // Sixty characters after either break fill a whole line.
        WrapCase{"SixtyAfterCarriageReturn", "a\r" + k60, {"a", k60, ""}},
        WrapCase{"SixtyAfterLineFeed", "a\n" + k60, {"a", k60, ""}},
        // A line break restarts the count.
        WrapCase{"BreakRestartsCount",
                 std::string(40, 'a') + "\r\n" + std::string(40, 'b') + " c",
                 {std::string(40, 'a'), std::string(40, 'b') + " c"}},
        // Multi-byte characters count once: 60 "é" fill one line.
        WrapCase{
            "Utf8CountsCharacters", Repeat("\xC3\xA9", 61), {Repeat("\xC3\xA9", 60), "\xC3\xA9"}}),
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

// ---- The time stamp ----

struct EpochCase {
    const char* name;
    int64_t seconds;
    const char* time;
    const char* date;
};

class UtcClock : public ::testing::TestWithParam<EpochCase> {};

TEST_P(UtcClock, KnownInstants) {
    const auto parts = UtcClockParts(GetParam().seconds);
    ASSERT_TRUE(parts.has_value());
    const ReportClock clock = ReportClockFor(*parts);
    EXPECT_EQ(clock.timeText, GetParam().time);
    EXPECT_EQ(clock.dateText, GetParam().date);
}

// Calendar values from published epoch tables.
INSTANTIATE_TEST_SUITE_P(
    Instants, UtcClock,
    ::testing::Values(EpochCase{"Epoch", 0, "00:00:00", "1970-01-01"},
                      EpochCase{"LeapDay2000", 951782400, "00:00:00", "2000-02-29"},
                      EpochCase{"March2024", 1710770709, "14:05:09", "2024-03-18"},
                      // 2100 is no leap year: 28 February is followed by 1 March.
                      EpochCase{"Mar2100", 4107542400, "00:00:00", "2100-03-01"},
                      EpochCase{"LastSecond", 253402300799LL, "23:59:59", "9999-12-31"}),
    [](const ::testing::TestParamInfo<EpochCase>& row) { return row.param.name; });

TEST(UtcClockLimits, OutsideTheCalendarIsRefused) {
    EXPECT_FALSE(UtcClockParts(-1).has_value());
    EXPECT_FALSE(UtcClockParts(253402300800LL).has_value());
}

}  // namespace
}  // namespace tidewell
