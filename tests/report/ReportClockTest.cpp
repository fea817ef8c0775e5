// The report's time stamp: calendar dates of known instants and the ends of the calendar.

#include <gtest/gtest.h>

#include <string>

#include "report/ReportClock.h"

namespace tidewell {
namespace {

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
