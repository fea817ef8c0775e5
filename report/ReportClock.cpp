// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/ReportClock.h"

#include <cstdio>

namespace tidewell {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// 9999-12-31 23:59:59 UTC.
constexpr int64_t kLastSecond = 253402300799LL;

}  // namespace

ReportClock ReportClockFor(const ClockParts& p) {
    char time[32];
    char date[32];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", p.hour, p.minute, p.second);
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", p.year, p.month, p.day);
    return ReportClock{time, date};
}

std::optional<ClockParts> UtcClockParts(int64_t seconds) {
    if (seconds < 0 || seconds > kLastSecond) return std::nullopt;
    const int64_t days = seconds / kSecondsPerDay;
    const int64_t inDay = seconds % kSecondsPerDay;

    // Civil date from a day count (days since 1970-01-01), counting in 400-year eras that start
    // on 1 March so that the leap day falls at the end of each year.
    const int64_t shifted = days + 719468;
    const int64_t era = shifted / 146097;
    const int64_t dayOfEra = shifted - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    ClockParts parts;
    parts.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    parts.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
    parts.hour = static_cast<int>(inDay / 3600);
    parts.minute = static_cast<int>(inDay % 3600 / 60);
    parts.second = static_cast<int>(inDay % 60);
    return parts;
}

std::optional<int64_t> ParseEpochSeconds(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace tidewell
