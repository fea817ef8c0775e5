// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's folder: where the materials file DesMat.Dat lives, where bare project names are
// looked for, and where the project and report dialogs start. It is the executable's own folder
// when that holds a writable DesMat.Dat (a build tree or a portable copy); otherwise the per-user
// data folder, into which the installed materials file is copied the first time.

#include <filesystem>
#include <string>
#include <vector>

#include "materials/MaterialsFile.h"  // kMaterialsFileName

namespace tidewell {

struct ProgramFolder {
    std::filesystem::path folder;  // the program's folder
    // folder / DesMat.Dat; the installed file itself when it could not be copied
    std::filesystem::path materialsFile;
    bool seeded = false;  // the installed materials file was copied into the per-user folder
    // Empty when all went well; otherwise why the per-user folder could not be set up (the
    // program then works from the executable's folder).
    std::string problem;
};

// Where an installed materials file is looked for, in this order: next to the executable, then
// in ../share/tidewell below the executable's folder.
std::vector<std::filesystem::path> InstalledMaterialsCandidates(
    const std::filesystem::path& executableFolder);

// Finds the program's folder. When the executable's folder has no writable DesMat.Dat, the
// per-user folder is created if needed and, when it has no DesMat.Dat yet, the first installed
// one found is copied into it (through a temporary file, so a broken copy never stands as the
// database). An empty userDataFolder means there is none: the executable's folder is used.
ProgramFolder LocateProgramFolder(const std::filesystem::path& executableFolder,
                                  const std::filesystem::path& userDataFolder);

// The same with an explicit list of installed materials files to seed from.
ProgramFolder LocateProgramFolder(const std::filesystem::path& executableFolder,
                                  const std::filesystem::path& userDataFolder,
                                  const std::vector<std::filesystem::path>& installedMaterials);

}  // namespace tidewell
