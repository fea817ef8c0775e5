// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a project file: the 75 lines of the layout read by ReadProject, each ended by CR LF,
// numbers in the file's number text. The file is replaced only when the new one is complete.

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/DesignRecord.h"
#include "project/FileAccess.h"
#include "units/UserMessages.h"

namespace tidewell {

// The design form's position in twips.
struct FormPosition {
    int32_t left = 0;
    int32_t top = 0;
};

// The header line: "Tidewell Ver." + the version as file number text + two blanks +
// "Brackwater" ("Tidewell Ver. 4.6  Brackwater").
std::string ProjectHeaderLine(const std::string& programVersion);

// The file's text (UTF-8) for the design. Texts are written as they are, except that a line
// break inside a single-line text becomes a blank, so every value keeps its own line. A unit text
// that holds a comma or starts or ends with a blank is written in double quotes, so the delimited
// field reads it back whole. Uses the design's ProgramVersion, or the running program's version
// when that is empty.
std::string ProjectFileText(const DesignRecord& design);

// Writes the project to path (as it is; no extension or folder is added). The design form's
// current position, when given, is stored in HomeFormLeft and HomeFormTop first. On success
// ProjectChanged becomes 0. On failure the previous file at path is left untouched, the file
// error is shown (61 for a full disk, 54 when the file cannot be made, ...) and ProjectChanged
// keeps its value. fileSystem replaces the computer's own file system (tests).
bool WriteProject(DesignRecord& design, const std::string& path, UserMessages& messages,
                  std::optional<FormPosition> homeFormPosition = std::nullopt,
                  FileSystem* fileSystem = nullptr);

}  // namespace tidewell
