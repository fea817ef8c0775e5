// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/CliPlaces.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "project/ProgramFolder.h"

namespace tidewell::cli {

namespace {

namespace fs = std::filesystem;

fs::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error && !self.empty()) return self.parent_path();
    if (argv0 != nullptr && *argv0 != '\0') {
        const fs::path given = fs::absolute(argv0, error);
        if (!error) return given.parent_path();
    }
    return fs::current_path(error);
}

// The per-user data folder the desktop program uses: $XDG_DATA_HOME/Tidewell/Tidewell, or
// ~/.local/share/Tidewell/Tidewell; none without a home folder.
fs::path UserDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/')
        return fs::path(dataHome) / "Tidewell" / "Tidewell";
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/') {
        return fs::path(home) / ".local" / "share" / "Tidewell" / "Tidewell";
    }
    return fs::path();
}

}  // namespace

CliPlaces LocatePlaces(const char* argv0, const std::string& materialsOverride) {
    CliPlaces places;
    const ProgramFolder folder = LocateProgramFolder(ExecutableFolder(argv0), UserDataFolder());
    places.programFolder = folder.folder.string();
    std::error_code error;
    if (!materialsOverride.empty()) {
        places.materialsFile = materialsOverride;
        // The materials file layer would create a missing file empty; a mistyped name must not.
        if (!fs::is_regular_file(materialsOverride, error)) {
            places.problem = "The materials file \"" + materialsOverride + "\" does not exist.";
        }
        return places;
    }
    places.materialsFile = folder.materialsFile.string();
    if (!fs::is_regular_file(folder.materialsFile, error)) {
        places.problem = "The materials file \"" + places.materialsFile + "\" does not exist";
        places.problem += folder.problem.empty() ? "." : ": " + folder.problem;
    }
    return places;
}

bool ReportTimeNow(ReportClock& clock, std::string& problem) {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch != nullptr) {
        const std::optional<int64_t> seconds = ParseEpochSeconds(epoch);
        const std::optional<ClockParts> parts =
            seconds ? UtcClockParts(*seconds) : std::optional<ClockParts>();
        if (!parts) {
            problem = std::string(
                          "SOURCE_DATE_EPOCH is not a time in whole seconds since "
                          "1970-01-01: \"") +
                      epoch + "\"";
            return false;
        }
        clock = ReportClockFor(*parts);
        return true;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        clock = ReportClockFor(UtcClockParts(static_cast<int64_t>(now)).value_or(ClockParts{}));
        return true;
    }
    clock = ReportClockFor(ClockParts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                      local.tm_hour, local.tm_min, local.tm_sec});
    return true;
}

}  // namespace tidewell::cli
