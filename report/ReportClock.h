// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The time and date a report is stamped with, as short texts ("14:05:09", "2024-03-18").

#include <cstdint>
#include <optional>
#include <string>

namespace tidewell {

struct ReportClock {
    std::string timeText;
    std::string dateText;
};

// A calendar time broken into its parts (month 1 to 12, day 1 to 31).
struct ClockParts {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The texts of a calendar time: hours, minutes and seconds with two digits each; the date as
// year-month-day.
ReportClock ReportClockFor(const ClockParts& parts);

// The UTC calendar time of a count of seconds since 1970-01-01 00:00:00 UTC (the proleptic
// Gregorian calendar, leap seconds ignored). Times before 1970 and after the year 9999 are
// refused.
std::optional<ClockParts> UtcClockParts(int64_t secondsSinceEpoch);

// Reads a SOURCE_DATE_EPOCH value: a whole non-negative number of seconds, nothing else.
std::optional<int64_t> ParseEpochSeconds(const std::string& text);

}  // namespace tidewell
