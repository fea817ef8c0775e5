// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Project file names: the ".PRJ" rule, names relative to the program's folder, and the name shown
// as the design form's caption. Both "/" and "\" count as folder separators.

#include <string>

namespace tidewell {

// True for "/" and "\".
bool IsFolderSeparator(char c);

// The path a project is read from: ".PRJ" is appended unless the name already ends in ".prj" in
// any letter case; a name with no folder separator and no ":" is taken from the program's folder.
std::string NormaliseProjectPath(const std::string& path, const std::string& programFolder);

// The part of a path after its last folder separator (the whole path when it has none): the
// design form's caption for a saved project.
std::string ProjectFileTitle(const std::string& path);

// The file name the Save As dialog proposes: the title followed by ".prj".
std::string ProposedProjectFileName(const std::string& projectTitle);

}  // namespace tidewell
