// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the desktop program keeps its things: the program's folder (materials database, bare
// project names, default folder of the file dialogs) and the single-instance lock file.

#include <string>

#include "project/ProgramFolder.h"

namespace tidewell {

// The program's folder for the running executable, with the per-user data folder as the place
// for a writable copy of the materials database.
ProgramFolder DesktopProgramFolder();

// The lock file that tells a second instance that one is running: in the per-user runtime
// folder, or the temporary folder where there is none.
std::string InstanceLockPath();

}  // namespace tidewell
