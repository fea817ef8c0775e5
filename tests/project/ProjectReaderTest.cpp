#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "tests/project/ProjectSamples.h"
#include "tests/project/ProjectTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::AnnularPlateLines;
using testing::CrLfText;
using testing::HandWrittenTubeLines;
using testing::SampleTubeDesign;
using testing::ScratchFolder;
using testing::WriteBytes;

// Everything of a design a reader may change, as one comparable text.
std::string Snapshot(const DesignRecord& design) {
    return ProjectFileText(design) + "|" + design.ProjectFilePath + "|" +
           std::to_string(design.ProjectChanged) + "|" + design.LoadedMaterialName;
}

// A design in the state Open starts from, with marks that a read must not disturb.
DesignRecord StartingDesign() {
    DesignRecord design;
    design.ProgramVersion = "4.6";
    NewProject(design);
    design.StressUnit = "Kbar";
    design.ProjectFilePath = "/somewhere/chosen.prj";
    return design;
}

struct Opened {
    std::optional<ProjectData> data;
    DesignRecord design = StartingDesign();
    DesignFormState form;
    DesignUiActions actions;
    ScriptedMessages messages;
    std::string path;
};

// Writes bytes to a file, reads it and, when it reads, applies it.
void OpenBytes(const std::string& bytes, Opened& opened, const std::string& name = "p.prj") {
    ScratchFolder folder;
    WriteBytes(folder.path() / name, bytes);
    opened.path = folder.File(name);
    opened.data = ReadProject(opened.path, folder.path().string(), opened.design, opened.messages);
    if (opened.data) {
        opened.actions = ApplyProject(*opened.data, opened.design, opened.form, opened.messages);
    }
}

// Opens the hand-written tube file with some of its lines (zero-based) replaced.
void OpenTubeWith(Opened& opened, const std::vector<std::pair<std::size_t, std::string>>& edits) {
    std::vector<std::string> lines = HandWrittenTubeLines();
    for (const auto& [index, line] : edits) lines.at(index) = line;
    OpenBytes(CrLfText(lines), opened);
}

// A refused file marks the failure and leaves everything else of the starting design alone.
void ExpectRefused(const Opened& opened) {
    EXPECT_FALSE(opened.data.has_value());
    EXPECT_EQ(opened.design.ProjectLoadFailed, kTrue);
    EXPECT_EQ(Snapshot(opened.design), Snapshot(StartingDesign()));
}

TEST(ReadProject, ReadsEveryFieldOfTheHandWrittenFile) {
    Opened opened;
    OpenBytes(CrLfText(HandWrittenTubeLines()), opened);
    ASSERT_TRUE(opened.data.has_value());
    EXPECT_TRUE(opened.messages.Empty());
    const DesignRecord& d = opened.design;
    const DesignRecord expected = SampleTubeDesign();
    EXPECT_EQ(ProjectFileText(d), ProjectFileText(expected));
    EXPECT_EQ(d.ProjectLoadFailed, kFalse);
    EXPECT_EQ(d.ProjectTitle, "Deep probe, mark 2");
    EXPECT_EQ(d.DesignerName, "Ana M\xC3\xBCller");  // Windows-1252 read into UTF-8
    EXPECT_EQ(d.BodyType, kTubeBody);
    EXPECT_EQ(d.EndcapDimEntered[0], 1e15);
    EXPECT_EQ(d.EndcapDim[1], 1.5e-5);
    EXPECT_EQ(d.StressUnit, "Ksi");
    EXPECT_EQ(d.DepthUnit, "Ft (sea)");
    // The form shows the file without its edit handling: the chosen path stays.
    EXPECT_EQ(d.ProjectFilePath, "/somewhere/chosen.prj");
    EXPECT_EQ(opened.form.title, "Deep probe, mark 2");
    EXPECT_EQ(opened.form.description, "Titanium housing, 6000 m rated");
    EXPECT_EQ(opened.form.designer, "Ana M\xC3\xBCller");
    EXPECT_EQ(opened.form.materialLabel, "Titanium 6Al-4V");
    EXPECT_EQ(opened.form.pressureSourceOption, 1);
    EXPECT_EQ(opened.form.unitOption, 0);
    EXPECT_EQ(opened.form.forceThickCheck, 1);
    EXPECT_EQ(opened.form.workStrengthCheck, 0);
    EXPECT_EQ(opened.form.bodySelection, 0);
    EXPECT_EQ(opened.form.endcapSelection, -1);
    EXPECT_TRUE(opened.actions.moveHomeForm);
    EXPECT_FALSE(opened.actions.titleText.has_value());
}

TEST(ReadProject, RefusesAWrongHeaderAndChangesNothing) {
    Opened opened;
    OpenTubeWith(opened, {{0, "Tidewel Ver. 4.6  Brackwater"}});
    ExpectRefused(opened);
    ASSERT_EQ(opened.messages.shown.size(), 1u);
    const Message& shown = opened.messages.shown[0];
    EXPECT_EQ(shown.text,
              "The file \"" + opened.path + "\" is not a valid project file for Tidewell Ver. 4.6");
    EXPECT_EQ(shown.title, "Invalid File Format");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
}

struct BadLineRow {
    const char* name;
    std::size_t index;  // zero-based line
    const char* line;
};

class UnreadableLineTest : public ::testing::TestWithParam<BadLineRow> {};

TEST_P(UnreadableLineTest, RefusesTheFileAndChangesNothing) {
    std::vector<std::string> lines = AnnularPlateLines();
    lines[GetParam().index] = GetParam().line;
    Opened opened;
    OpenBytes(CrLfText(lines), opened);
    ExpectRefused(opened);
    EXPECT_EQ(opened.messages.Texts(),
              std::vector<std::string>{"Input past end of file or Invalid file type"});
}

INSTANTIATE_TEST_SUITE_P(Lines, UnreadableLineTest,
                         ::testing::Values(BadLineRow{"DigitsWord", 6, "five"},
                                           BadLineRow{"BodyCodeWord", 7, " tube"},
                                           BadLineRow{"UnknownBodyCode", 7, " 5"},
                                           BadLineRow{"UnknownEndcapCode", 8, " 9"},
                                           BadLineRow{"NegativeEndcapCode", 8, "-1"},
                                           BadLineRow{"RestraintBeyondList", 63, " 12"},
                                           BadLineRow{"RestraintBelowList", 63, "-2"},
                                           BadLineRow{"FieldBeyondInteger", 14, " 40000"},
                                           BadLineRow{"LeftBeyondLong", 15, " 3E+10"},
                                           BadLineRow{"CheckStateBeyondInteger", 12, " 1E+6"},
                                           BadLineRow{"UnitIndexBeyondInteger", 19, " 99999"},
                                           BadLineRow{"InfiniteField", 34, " inf"},
                                           BadLineRow{"HugeField", 60, " 1E+400"}),
                         [](const auto& row) { return std::string(row.param.name); });

class TruncatedFileTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TruncatedFileTest, LeavesTheDesignUntouched) {
    std::vector<std::string> lines = AnnularPlateLines();
    lines.resize(GetParam());
    Opened opened;
    OpenBytes(CrLfText(lines), opened);
    ExpectRefused(opened);
    EXPECT_EQ(opened.messages.Texts(),
              std::vector<std::string>{"Input past end of file or Invalid file type"});
}

// Every length short of the layout, except 67 (no unit lines, which is allowed); 0 is an empty
// file.
INSTANTIATE_TEST_SUITE_P(AtEveryLine, TruncatedFileTest, ::testing::Range<std::size_t>(0, 67));
INSTANTIATE_TEST_SUITE_P(InTheUnitLines, TruncatedFileTest, ::testing::Range<std::size_t>(68, 75));

}  // namespace
}  // namespace tidewell
