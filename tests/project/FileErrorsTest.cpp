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
                      ErrorRow{"DiskFull", 61, "Disk Full", false},
                      ErrorRow{"Unknown", 7, "Unknown error number  7", false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
