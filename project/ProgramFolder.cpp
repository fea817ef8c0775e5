// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProgramFolder.h"

#include <fstream>
#include <system_error>

namespace tidewell {

namespace {

namespace fs = std::filesystem;

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// Opening for reading and writing without truncating tells whether the program may change the
// file, whatever the reason it could not (permissions, a read-only medium).
bool IsWritableFile(const fs::path& path) {
    if (!IsRegularFile(path)) return false;
    std::fstream stream(path, std::ios::in | std::ios::out | std::ios::binary);
    return static_cast<bool>(stream);
}

// Copies source to target through a temporary file in the target's folder.
std::error_code CopyWhole(const fs::path& source, const fs::path& target) {
    fs::path temporary = target;
    temporary += ".seed.tmp";
    std::error_code error;
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return error;
}

ProgramFolder InFolder(const fs::path& folder) {
    ProgramFolder location;
    location.folder = folder;
    location.materialsFile = folder / kMaterialsFileName;
    return location;
}

}  // namespace

std::vector<fs::path> InstalledMaterialsCandidates(const fs::path& executableFolder) {
    return {executableFolder / kMaterialsFileName,
            executableFolder / ".." / "share" / "tidewell" / kMaterialsFileName};
}

ProgramFolder LocateProgramFolder(const fs::path& executableFolder,
                                  const fs::path& userDataFolder) {
    return LocateProgramFolder(executableFolder, userDataFolder,
                               InstalledMaterialsCandidates(executableFolder));
}

ProgramFolder LocateProgramFolder(const fs::path& executableFolder, const fs::path& userDataFolder,
                                  const std::vector<fs::path>& installedMaterials) {
    if (IsWritableFile(executableFolder / kMaterialsFileName) || userDataFolder.empty()) {
        return InFolder(executableFolder);
    }

    std::error_code error;
    fs::create_directories(userDataFolder, error);
    if (error || !fs::is_directory(userDataFolder, error)) {
        ProgramFolder fallback = InFolder(executableFolder);
        fallback.problem =
            "The folder " + userDataFolder.u8string() + " could not be created: " + error.message();
        return fallback;
    }

    ProgramFolder location = InFolder(userDataFolder);
    if (IsRegularFile(location.materialsFile)) return location;
    for (const fs::path& installed : installedMaterials) {
        if (!IsRegularFile(installed)) continue;
        error = CopyWhole(installed, location.materialsFile);
        if (error) {
            // The installed file can still be read; only changes to it will fail.
            location.materialsFile = installed;
            location.problem = "The materials file could not be copied to " +
                               userDataFolder.u8string() + ": " + error.message();
        } else {
            location.seeded = true;
            location.problem.clear();
        }
        return location;
    }
    location.problem = "No installed materials file was found.";
    return location;
}

}  // namespace tidewell
