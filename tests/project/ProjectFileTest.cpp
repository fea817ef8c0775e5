// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The project file against one written out by hand: read, written byte for byte, refused whole
// when cut short, written whole or not at all, read back as written; its numbers and texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "project/FileAccess.h"
#include "project/NumberText.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "project/TextEncoding.h"
#include "tests/TestFiles.h"
#include "tests/project/ProjectSamples.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::AnnularPlateLines;
using testing::CrLfText;
using testing::HandWrittenTubeLines;
using testing::ReadBytes;
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

// Bytes read as a project file into that design and, when they read, applied to it.
struct Opened {
    std::optional<ProjectData> data;
    DesignRecord design = StartingDesign();
    DesignFormState form;
    DesignUiActions actions;
    ScriptedMessages messages;

    explicit Opened(const std::string& bytes) {
        ScratchFolder folder;
        WriteBytes(folder.path() / "p.prj", bytes);
        std::string path = folder.File("p.prj");
        data = ReadProject(path, folder.path().string(), design, messages);
        if (data) actions = ApplyProject(*data, design, form, messages);
    }
};

TEST(ReadProject, ReadsEveryFieldOfTheHandWrittenFile) {
    const Opened opened(CrLfText(HandWrittenTubeLines()));
    ASSERT_TRUE(opened.data.has_value());
    EXPECT_TRUE(opened.messages.Empty());
    const DesignRecord& d = opened.design;
    const DesignRecord expected = SampleTubeDesign();
    EXPECT_EQ(ProjectFileText(d), ProjectFileText(expected));
    EXPECT_EQ(d.ProjectLoadFailed, kFalse);
    EXPECT_EQ(d.DesignerName, "Ana M\xC3\xBCller");  // Windows-1252 read into UTF-8
    EXPECT_EQ(std::vector<double>({d.EndcapDimEntered[0], d.EndcapDim[1]}),
              std::vector<double>({1e15, 1.5e-5}));
    // The form shows the file without its edit handling: the chosen path stays.
    EXPECT_EQ(d.ProjectFilePath, "/somewhere/chosen.prj");
    const DesignFormState& f = opened.form;
    EXPECT_EQ(
        f.title + "|" + f.description + "|" + f.designer + "|" + f.materialLabel,
        "Deep probe, mark 2|Titanium housing, 6000 m rated|Ana M\xC3\xBCller|Titanium 6Al-4V");
    EXPECT_EQ(std::vector<int>({f.pressureSourceOption, f.unitOption, f.forceThickCheck,
                                f.workStrengthCheck, f.bodySelection, f.endcapSelection}),
              std::vector<int>({1, 0, 1, 0, 0, -1}));
    EXPECT_TRUE(opened.actions.moveHomeForm);
    EXPECT_FALSE(opened.actions.titleText.has_value());
}

// A unit in quotes ends at the closing quote, one without at a comma or the line end.
TEST(ReadProject, UnitLinesQuotedOrNot) {
    std::vector<std::string> lines = HandWrittenTubeLines();
    lines[71] = "  \"Ft (sea)\", old";
    lines[72] = "Ksi , old";
    const Opened opened(CrLfText(lines));
    ASSERT_TRUE(opened.data.has_value());
    EXPECT_EQ(opened.design.DepthUnit + "|" + opened.design.StressUnit, "Ft (sea)|Ksi");
}

// A tube project opens with its body editor and no endcap editor, unchanged.
TEST(OpenProject, ATubeOpensItsBodyEditor) {
    ScriptedMessages messages;
    const ProjectOpenedAfresh opened =
        OpenProjectAfresh(std::string(TIDEWELL_SOURCE_DIR) + "/data/examples/TitaniumTube6000m.prj",
                          "", "", messages);
    EXPECT_EQ(std::vector<bool>({opened.result.opened, opened.result.openBodyEditor,
                                 opened.result.openEndcapEditor}),
              std::vector<bool>({true, true, false}));
    EXPECT_EQ(opened.design.ProjectChanged, kFalse);
}

// A file that cannot be read, cut short or missing, leaves no path behind to be saved to.
TEST(OpenProject, RefusedFileLeavesNoPath) {
    ScratchFolder folder;
    WriteBytes(folder.path() / "cut.prj", "Tidewell Ver. 4.6\r\n");
    for (const char* name : {"cut.prj", "missing.prj"}) {
        ScriptedMessages messages;
        const ProjectOpenedAfresh opened =
            OpenProjectAfresh(folder.File(name), folder.path().string(), "", messages);
        EXPECT_FALSE(opened.result.opened) << name;
        EXPECT_EQ(opened.design.ProjectFilePath, "") << name;
        EXPECT_EQ(opened.design.ProjectLoadFailed, kTrue) << name;
    }
}

// Every length short of the layout but 67 (no unit lines, which is allowed); 0 is an empty file.
TEST(ReadProject, FileCutShortLeavesTheDesignUntouched) {
    for (std::size_t length = 0; length < 75; ++length) {
        if (length == 67) continue;
        SCOPED_TRACE(length);
        std::vector<std::string> lines = AnnularPlateLines();
        lines.resize(length);
        const Opened opened(CrLfText(lines));
        // The failure is marked and everything else of the starting design left alone.
        EXPECT_FALSE(opened.data.has_value());
        EXPECT_EQ(opened.design.ProjectLoadFailed, kTrue);
        EXPECT_EQ(Snapshot(opened.design), Snapshot(StartingDesign()));
        EXPECT_EQ(opened.messages.Texts(),
                  std::vector<std::string>{"Input past end of file or Invalid file type"});
    }
}

// A restraint past the list of the file's endcap refuses the file whole, at the list's end (12)
// as beyond it; beside a body the endcap is not shown, so its restraint is only kept.
TEST(ReadProject, RestraintPastTheEndcapsList) {
    std::vector<std::string> annular = AnnularPlateLines(), tube = HandWrittenTubeLines();
    EXPECT_TRUE(Opened(CrLfText(annular)).data.has_value());
    for (const char* restraint : {" 12", " 40"}) {
        annular[63] = tube[63] = restraint;
        tube[8] = " 1";
        EXPECT_FALSE(Opened(CrLfText(annular)).data.has_value()) << restraint;
        EXPECT_TRUE(Opened(CrLfText(tube)).data.has_value()) << restraint;
    }
}

TEST(ProjectWriter, WritesTheHandWrittenFileByteForByte) {
    ScratchFolder folder;
    DesignRecord design = SampleTubeDesign();
    design.HomeFormLeft = 1;  // the form's current position wins
    design.ProjectChanged = kTrue;
    ScriptedMessages messages;
    const std::string path = folder.File("probe.prj");
    ASSERT_TRUE(WriteProject(design, path, messages, FormPosition{250, 300}));
    EXPECT_TRUE(messages.Empty());
    const std::vector<std::string> lines = HandWrittenTubeLines();
    ASSERT_EQ(lines.size(), 75u);
    EXPECT_EQ(ReadBytes(path), CrLfText(lines));
    EXPECT_EQ(std::vector<int>({design.ProjectChanged, design.HomeFormLeft, design.HomeFormTop}),
              std::vector<int>({kFalse, 250, 300}));
}

// A file system whose files fail after a set number of bytes, or whose create or rename fails.
class FailingFileSystem : public FileSystem {
public:
    enum class Step { Write, Rename, Create };

    FailingFileSystem(Step step, std::size_t failAfterBytes, std::errc error)
        : step_(step), failAfter_(failAfterBytes), error_(error) {}

    std::unique_ptr<OutputFile> CreateNew(const std::filesystem::path& path,
                                          std::error_code& error) override {
        if (step_ == Step::Create) {
            error = std::make_error_code(error_);
            return nullptr;
        }
        std::unique_ptr<OutputFile> file = real_.CreateNew(path, error);
        if (!file) return nullptr;
        return std::make_unique<FailingFile>(std::move(file), *this);
    }

    std::error_code Replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override {
        if (step_ == Step::Rename) return std::make_error_code(error_);
        return real_.Replace(from, to);
    }

    void Remove(const std::filesystem::path& path) override { real_.Remove(path); }

    std::size_t written = 0;

private:
    class FailingFile : public OutputFile {
    public:
        FailingFile(std::unique_ptr<OutputFile> file, FailingFileSystem& owner)
            : file_(std::move(file)), owner_(owner) {}
        std::error_code Write(std::string_view bytes) override {
            if (owner_.step_ == Step::Write) {
                const std::size_t room = owner_.failAfter_ - owner_.written;
                if (bytes.size() > room) {
                    // Half a write lands on the disk before the disk is full.
                    file_->Write(bytes.substr(0, room));
                    owner_.written += room;
                    return std::make_error_code(owner_.error_);
                }
            }
            owner_.written += bytes.size();
            return file_->Write(bytes);
        }
        std::error_code Close() override { return file_->Close(); }

    private:
        std::unique_ptr<OutputFile> file_;
        FailingFileSystem& owner_;
    };

    LocalFileSystem real_;
    Step step_;
    std::size_t failAfter_;
    std::errc error_;
};

// A full disk, at once or on the last line, a failed rename and a read-only folder: the old file
// stays, the design stays unsaved, the user is told once and no temporary file is left behind.
TEST(ProjectWriter, FaultLeavesTheOldFileIntactAndReports) {
    using Step = FailingFileSystem::Step;
    const struct {
        Step step;
        std::size_t failAfterBytes;
        std::errc error;
        const char* message;
    } rows[] = {{Step::Write, 0, std::errc::no_space_on_device, "Disk Full"},
                {Step::Write, 470, std::errc::no_space_on_device, "Disk Full"},
                {Step::Rename, 0, std::errc::permission_denied, "Error opening this file"},
                {Step::Create, 0, std::errc::read_only_file_system, "Error opening this file"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message + std::string(" after ") + std::to_string(row.failAfterBytes));
        ScratchFolder folder;
        const std::string path = folder.File("probe.prj");
        const std::string oldContent = "Tidewell Ver. 4.6  Brackwater\r\nthe old project\r\n";
        WriteBytes(path, oldContent);
        DesignRecord design = SampleTubeDesign();
        design.ProjectChanged = kTrue;
        FailingFileSystem files(row.step, row.failAfterBytes, row.error);
        ScriptedMessages messages;
        EXPECT_FALSE(WriteProject(design, path, messages, std::nullopt, &files));
        EXPECT_EQ(ReadBytes(path), oldContent);
        EXPECT_EQ(design.ProjectChanged, kTrue);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, row.message);
        EXPECT_EQ(messages.shown[0].title, "Tidewell");
        EXPECT_EQ(testing::EntryCount(folder.path()), 1);
    }
}

TEST(ProjectWriter, ReplacesAnExistingFileCompletely) {
    // A description longer than two write chunks: every chunk lands, in order, and nothing of the
    // longer old file is left.
    ScratchFolder folder;
    const std::string path = folder.File("probe.prj");
    WriteBytes(path, std::string(20000, 'x'));
    DesignRecord design = SampleTubeDesign();
    std::string description;
    for (int i = 0; i < 2000; ++i) description += std::to_string(i) + ' ';
    const std::string shortDescription = design.ProjectDescription;
    design.ProjectDescription = description;
    ScriptedMessages messages;
    ASSERT_TRUE(WriteProject(design, path, messages));
    std::vector<std::string> lines = HandWrittenTubeLines();
    std::replace(lines.begin(), lines.end(), shortDescription, description);
    EXPECT_GT(ReadBytes(path).size(), 8192u);
    EXPECT_EQ(ReadBytes(path), CrLfText(lines));
}

// A line break of any kind in a text becomes one blank: the file keeps a line per field.
TEST(ProjectWriter, LineBreaksInATextBecomeBlanks) {
    DesignRecord design = SampleTubeDesign();
    design.ProjectDescription = "one\r\ntwo\nthree\rfour";
    ScratchFolder folder;
    ScriptedMessages messages;
    ASSERT_TRUE(WriteProject(design, folder.File("t.prj"), messages));
    const Opened opened(ReadBytes(folder.path() / "t.prj"));
    EXPECT_EQ(opened.design.ProjectDescription, "one two three four");
}

TEST(ProjectWriter, ReportsAMissingFolder) {
    ScratchFolder folder;
    DesignRecord design = SampleTubeDesign();
    ScriptedMessages messages;
    EXPECT_FALSE(WriteProject(design, folder.File("no-such-folder/x.prj"), messages));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"File not found"});
    // A folder where the file should go, a folder's name or no name is refused too.
    for (const std::string& bad : {folder.path().string(), folder.path().string() + "/", {}}) {
        ScriptedMessages refused;
        EXPECT_FALSE(WriteProject(design, bad, refused));
        EXPECT_EQ(refused.shown.size(), 1U) << bad;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

// Every field the file holds, compared as values (a lossy writer would spoil a text comparison
// on both sides alike).
auto FileFields(const DesignRecord& d) {
    return std::tie(d.ProjectTitle, d.ProjectDescription, d.DesignerName, d.ProjectReserved1,
                    d.ProjectReserved2, d.SignificantDigits, d.BodyType, d.EndcapType,
                    d.MaterialName, d.PressureSource, d.UnitSystem, d.ForceThickWall,
                    d.UseWorkingStrength, d.PressureRange, d.HomeFormLeft, d.HomeFormTop, d.BodyDim,
                    d.BodyDimEntered, d.BodyDimUnit, d.BodyVolume, d.BodyReserved, d.BodyFormLeft,
                    d.BodyFormTop, d.BodyFormHeight, d.EndcapDim, d.EndcapDimEntered,
                    d.EndcapDimUnit, d.EndcapVolume, d.EndcapReserved, d.UniformLoadOn,
                    d.LineLoadOn, d.LoadOption, d.EdgeRestraint, d.EndcapFormLeft, d.EndcapFormTop,
                    d.EndcapFormHeight, d.RangeUnit, d.FailureUnit, d.WeightUnit, d.PressureUnit,
                    d.DepthUnit, d.StressUnit, d.DeflectionUnit, d.AngleUnit);
}

// Writes the design to a file, opens it into a fresh design and compares.
void ExpectRoundTrip(const DesignRecord& original) {
    ScratchFolder folder;
    DesignRecord written = original;
    ScriptedMessages messages;
    std::string path = folder.File("round.prj");
    ASSERT_TRUE(WriteProject(written, path, messages));
    DesignRecord read;
    read.ProgramVersion = "4.6";
    NewProject(read);
    DesignFormState form;
    const std::optional<ProjectData> data = ReadProject(path, "", read, messages);
    ASSERT_TRUE(data.has_value());
    ApplyProject(*data, read, form, messages);
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(FileFields(read), FileFields(original));
    EXPECT_EQ(std::tie(form.title, form.designer, form.materialLabel),
              std::tie(original.ProjectTitle, original.DesignerName, original.MaterialName));
}

TEST(ProjectRoundTrip, SphereWithNegativeZeroTinyAndHugeValues) {
    DesignRecord design = SampleTubeDesign();
    SelectBody(design, 1);
    design.BodyDim = {-4.5, 0, std::numeric_limits<double>::denorm_min(),
                      std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    design.BodyDimEntered = {1e-300, -1e-300, 0.1 + 0.2, 1.0 / 3.0, 123456789.123456789};
    design.BodyDimUnit = {-32768, 32767, 0, -1, 4};
    design.BodyVolume = -1.5e-5;
    design.BodyReserved = 1e15;
    std::tie(design.PressureSource, design.UnitSystem, design.UseWorkingStrength,
             design.PressureRange, design.HomeFormLeft, design.HomeFormTop) =
        std::tuple(0, 1, 1, -3, -2147483647, 2147483647);
    // The editors' places, none of them the new project's.
    std::tie(design.BodyFormLeft, design.BodyFormTop, design.BodyFormHeight, design.EndcapFormLeft,
             design.EndcapFormTop, design.EndcapFormHeight) = std::tuple(11, 12, 13, 14, 15, 16);
    design.EdgeRestraint = -7;
    design.UniformLoadOn = 32767;
    design.LoadOption = -1;
    ExpectRoundTrip(design);
}

TEST(ProjectRoundTrip, AnnularPlateWithEveryEndcapField) {
    DesignRecord design = SampleTubeDesign();
    SelectBody(design, 2);
    SelectEndcap(design, 0);
    design.EndcapDim = {3, 5, 0.5, 1, 2.5, 50, 1.25, 4.75};
    design.EndcapDimEntered = {76.2, 127, 12.7, 25.4, 63.5, 1000, 31.75, 120.65};
    design.EndcapDimUnit = {1, 1, 1, 0, 4};
    design.EndcapVolume = 9.8174770424681;
    design.EndcapReserved = 0;
    std::tie(design.UniformLoadOn, design.LineLoadOn, design.LoadOption, design.EdgeRestraint,
             design.EndcapFormLeft, design.EndcapFormTop, design.EndcapFormHeight) =
        std::tuple(-1, 0, -1, 11, 0, -15, 6000);
    ExpectRoundTrip(design);
}

TEST(ProjectNumberText, WritesTheFileForm) {
    const std::vector<std::pair<double, const char*>> rows = {
        {-0.0, " 0"},
        {-0.5, "-.5"},
        {1e15, " 1E+15"},
        {1e-4, " .0001"},
        {0.1 + 0.2, " .30000000000000004"},
        {std::numeric_limits<double>::max(), " 1.7976931348623157E+308"},
        {std::nan(""), " 0"},
        {std::numeric_limits<double>::infinity(), " 0"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(ProjectNumberText(value), text) << value;
}

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

// A number field ends at a blank; anything else after it, or no finite number, is unreadable.
TEST(ProjectNumberText, ReadsTheDelimitedField) {
    const std::vector<std::pair<const char*, double>> readable = {
        {" 5 ", 5}, {"12 apples", 12}, {"+3", 3}, {" 1E+15", 1e15}};
    for (const auto& [line, value] : readable) EXPECT_EQ(ReadNumberField(line), value) << line;
    for (const char* line : {"abc", "inf", "nan", "1e-400", ".", "5x"})
        EXPECT_FALSE(ReadNumberField(line).has_value()) << line;
}

// Texts read back as written; UTF-8 is written when the single bytes would read as other
// characters ("Ã©" as single bytes C3 A9 would read as "é").
TEST(EncodeFileText, ReadsBackWhatWasWritten) {
    const std::string aTildeCopyright = "\xC3\x83\xC2\xA9";
    EXPECT_EQ(EncodeFileText(aTildeCopyright), aTildeCopyright);
    for (const std::string& text : std::vector<std::string>{
             "", "Titanium 6Al-4V", "Ana M\xC3\xBCller, Z\xC3\xBCrich",
             "\xE2\x82\xAC\xE2\x80\x93\xC5\x93\xC3\xBF", "\xE6\xB7\xB1\xE6\xB5\xB7 probe",
             aTildeCopyright, "\xC3\x83\xC2\xA9t\xC3\xA9"}) {
        EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text) << text;
    }
}

// A read stops one byte past its limit: enough to tell a file that is too large from one that fits.
TEST(ReadWholeFile, ReadsAtMostOneBytePastTheLimit) {
    ScratchFolder folder;
    const std::filesystem::path path = folder.File("big.bin");
    WriteBytes(path, std::string(20000, 'x'));
    for (const auto& [limit, expected] : {std::pair<std::size_t, std::size_t>{100, 101},
                                          {19999, 20000},
                                          {20000, 20000},
                                          {50000, 20000}}) {
        std::string bytes;
        EXPECT_FALSE(ReadWholeFile(path, limit, bytes));
        EXPECT_EQ(bytes.size(), expected) << limit;
    }
    std::string bytes;  // a folder or a missing file is an error, not an empty file
    EXPECT_TRUE(ReadWholeFile(folder.path(), 100, bytes));
    EXPECT_TRUE(ReadWholeFile(folder.path() / "missing.prj", 100, bytes));
}

}  // namespace
}  // namespace tidewell
