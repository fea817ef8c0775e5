#include <gtest/gtest.h>

#include <algorithm>

#include <cerrno>
#include <filesystem>
#include <limits>

#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "tests/project/ProjectSamples.h"
#include "tests/project/ProjectTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::CrLfText;
using testing::HandWrittenTubeLines;
using testing::ReadBytes;
using testing::SampleTubeDesign;
using testing::ScratchFolder;
using testing::WriteBytes;

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
    EXPECT_EQ(design.ProjectChanged, kFalse);
    EXPECT_EQ(design.HomeFormLeft, 250);
    EXPECT_EQ(design.HomeFormTop, 300);
}

// A file system whose files fail after a set number of bytes, or whose close or rename fails.
class FailingFileSystem : public FileSystem {
public:
    enum class Step { Write, Close, Rename, Create };

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
        std::error_code Close() override {
            const std::error_code error = file_->Close();
            if (owner_.step_ == Step::Close) return std::make_error_code(owner_.error_);
            return error;
        }

    private:
        std::unique_ptr<OutputFile> file_;
        FailingFileSystem& owner_;
    };

    LocalFileSystem real_;
    Step step_;
    std::size_t failAfter_;
    std::errc error_;
};

struct FaultRow {
    const char* name;
    FailingFileSystem::Step step;
    std::size_t failAfterBytes;
    std::errc error;
    const char* message;
};

class WriteFaultTest : public ::testing::TestWithParam<FaultRow> {};

TEST_P(WriteFaultTest, LeavesTheOldFileIntactAndReports) {
    ScratchFolder folder;
    const std::string path = folder.File("probe.prj");
    const std::string oldContent = "Tidewell Ver. 4.6  Brackwater\r\nthe old project\r\n";
    WriteBytes(path, oldContent);

    DesignRecord design = SampleTubeDesign();
    design.ProjectChanged = kTrue;
    FailingFileSystem files(GetParam().step, GetParam().failAfterBytes, GetParam().error);
    ScriptedMessages messages;
    EXPECT_FALSE(WriteProject(design, path, messages, std::nullopt, &files));

    EXPECT_EQ(ReadBytes(path), oldContent);
    EXPECT_EQ(design.ProjectChanged, kTrue);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().message);
    EXPECT_EQ(messages.shown[0].title, "Tidewell");
    // No temporary file is left behind.
    EXPECT_EQ(testing::EntryCount(folder.path()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteFaultTest,
    ::testing::Values(FaultRow{"DiskFullAtOnce", FailingFileSystem::Step::Write, 0,
                               std::errc::no_space_on_device, "Disk Full"},
                      FaultRow{"DiskFullOnLastLine", FailingFileSystem::Step::Write, 470,
                               std::errc::no_space_on_device, "Disk Full"},
                      FaultRow{"RenameFails", FailingFileSystem::Step::Rename, 0,
                               std::errc::permission_denied, "Error opening this file"},
                      FaultRow{"FolderReadOnly", FailingFileSystem::Step::Create, 0,
                               std::errc::read_only_file_system, "Error opening this file"}),
    [](const auto& row) { return std::string(row.param.name); });

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

TEST(ProjectWriter, ReportsAMissingFolder) {
    ScratchFolder folder;
    DesignRecord design = SampleTubeDesign();
    ScriptedMessages messages;
    EXPECT_FALSE(WriteProject(design, folder.File("no-such-folder/x.prj"), messages));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"File not found"});
}

}  // namespace
}  // namespace tidewell
