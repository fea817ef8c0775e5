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
