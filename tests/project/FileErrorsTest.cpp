#include <gtest/gtest.h>

#include "project/FileErrors.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

struct ErrorRow {
    const char* name;
    int number;
    const char* text;
};

class FileErrorMessageTest : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(FileErrorMessageTest, ShowsTheMessageOfTheNumber) {
    ScriptedMessages messages;
    bool saveCancelled = false;
    ReportFileError(GetParam().number, messages, saveCancelled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().text);
    EXPECT_EQ(messages.shown[0].title, "Tidewell");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(saveCancelled);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FileErrorMessageTest,
    ::testing::Values(ErrorRow{"BadFileName", 52, "Bad file name."},
                      ErrorRow{"FileNotFound", 53, "File not found"},
                      ErrorRow{"Opening", 54, "Error opening this file"},
                      ErrorRow{"AlreadyOpen", 55, "File already open"},
                      ErrorRow{"DiskFull", 61, "Disk Full"},
                      ErrorRow{"InputPastEnd", 62, "Input past end of file or Invalid file type"},
                      ErrorRow{"BadFilename", 64, "Bad Filename"},
                      ErrorRow{"Unknown", 7, "Unknown error number  7"},
                      ErrorRow{"UnknownNegative", -3, "Unknown error number -3"},
                      ErrorRow{"PermissionDenied", 70, "Unknown error number  70"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReportFileError, ShowsNothingForNoError) {
    ScriptedMessages messages;
    bool saveCancelled = false;
    ReportFileError(0, messages, saveCancelled);
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(saveCancelled);
}

TEST(ReportFileError, DialogCancelIsQuietAndSetsTheCancelFlag) {
    ScriptedMessages messages;
    bool saveCancelled = false;
    ReportFileError(32755, messages, saveCancelled);
    EXPECT_TRUE(messages.Empty());
    EXPECT_TRUE(saveCancelled);
    EXPECT_TRUE(ReportFileError(32755, messages));
    EXPECT_FALSE(ReportFileError(53, messages));
}

struct PlatformRow {
    const char* name;
    std::errc error;
    int number;
};

class PlatformErrorTest : public ::testing::TestWithParam<PlatformRow> {};

TEST_P(PlatformErrorTest, MapsToTheNearestListedNumber) {
    EXPECT_EQ(FileErrorNumber(std::make_error_code(GetParam().error)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PlatformErrorTest,
    ::testing::Values(PlatformRow{"NoSpace", std::errc::no_space_on_device, 61},
                      PlatformRow{"FileTooLarge", std::errc::file_too_large, 61},
                      PlatformRow{"Missing", std::errc::no_such_file_or_directory, 53},
                      PlatformRow{"FolderPartIsAFile", std::errc::not_a_directory, 53},
                      PlatformRow{"NameTooLong", std::errc::filename_too_long, 52},
                      PlatformRow{"InvalidName", std::errc::invalid_argument, 52},
                      PlatformRow{"PermissionDenied", std::errc::permission_denied, 54},
                      PlatformRow{"ReadOnlyMedium", std::errc::read_only_file_system, 54},
                      PlatformRow{"IsAFolder", std::errc::is_a_directory, 54},
                      PlatformRow{"InputOutput", std::errc::io_error, 54}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FileErrorNumber, NoErrorIsZero) {
    EXPECT_EQ(FileErrorNumber(std::error_code()), 0);
}

}  // namespace
}  // namespace tidewell
