#include <gtest/gtest.h>

#include <string>

#include "project/FileErrors.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

struct ErrorRow {
    const char* name;
    int number;
    const char* text;  // empty: nothing is shown
    bool saveCancelled;
};

class FileErrorMessageTest : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(FileErrorMessageTest, ShowsTheMessageOfTheNumber) {
    ScriptedMessages messages;
    bool saveCancelled = false;
    ReportFileError(GetParam().number, messages, saveCancelled);
    EXPECT_EQ(saveCancelled, GetParam().saveCancelled);
    if (std::string(GetParam().text).empty()) {
        EXPECT_TRUE(messages.Empty());
        return;
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().text);
    EXPECT_EQ(messages.shown[0].title, "Tidewell");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FileErrorMessageTest,
    ::testing::Values(ErrorRow{"NoErrorIsQuiet", 0, "", false},
                      ErrorRow{"DialogCancelIsQuietAndCancels", 32755, "", true},
                      ErrorRow{"BadFileName", 52, "Bad file name.", false},
                      ErrorRow{"FileNotFound", 53, "File not found", false},
                      ErrorRow{"Opening", 54, "Error opening this file", false},
                      ErrorRow{"AlreadyOpen", 55, "File already open", false},
                      ErrorRow{"DiskFull", 61, "Disk Full", false},
                      ErrorRow{"InputPastEnd", 62, "Input past end of file or Invalid file type",
                               false},
                      ErrorRow{"BadFilename", 64, "Bad Filename", false},
                      ErrorRow{"Unknown", 7, "Unknown error number  7", false},
                      ErrorRow{"UnknownNegative", -3, "Unknown error number -3", false},
                      ErrorRow{"PermissionDenied", 70, "Unknown error number  70", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReportFileError, ReturnsWhetherTheDialogWasCancelled) {
    ScriptedMessages messages;
    EXPECT_TRUE(ReportFileError(32755, messages));
    EXPECT_TRUE(messages.Empty());
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
