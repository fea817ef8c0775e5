// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the command-line program finds its things, and the time its reports are stamped with.

#include <string>

#include "report/ReportClock.h"

namespace tidewell::cli {

struct CliPlaces {
    std::string programFolder;
    std::string materialsFile;
    std::string problem;  // why the materials file could not be found; empty when it was
};

// The program's folder as the desktop program finds it (the executable's folder when it holds a
// writable DesMat.Dat, else the per-user data folder), and its materials file, unless one is
// given. argv0 is used only when the running executable cannot be found otherwise.
CliPlaces LocatePlaces(const char* argv0, const std::string& materialsOverride);

// The report's time stamp: SOURCE_DATE_EPOCH in UTC when set, else the local time now.
// Returns false (with the reason) when SOURCE_DATE_EPOCH is set but not a time.
bool ReportTimeNow(ReportClock& clock, std::string& problem);

}  // namespace tidewell::cli
