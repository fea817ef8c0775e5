// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a project file. The whole file is read and checked first (ReadProject); only a file
// that reads completely is then applied to the design record (ApplyProject), so a bad file never
// leaves a half-read design.
//
// The file is a text of 75 lines in a fixed order (73 in the older layout, which lacks the two
// check-box lines; the eight unit lines at the end may be missing):
//   1 header "Tidewell Ver. 4.6  Brackwater"       38-52 EndcapDim, EndcapDimEntered,
//   2-4 title, description, designer                     EndcapDimUnit for i = 0 to 4
//   5-6 the two reserved texts                     53-58 EndcapDim, EndcapDimEntered, i = 5 to 7
//   7-9 SignificantDigits, BodyType, EndcapType    59-60 EndcapVolume, EndcapReserved
//   10 MaterialName                                61-64 UniformLoadOn, LineLoadOn, LoadOption,
//   11-12 PressureSource, UnitSystem                     EdgeRestraint
//   13-14 the two check boxes                      65-67 endcap editor left, top, height
//   15 PressureRange, 16-17 design form left, top  68-75 the eight results unit texts
//   18-32 BodyDim, BodyDimEntered, BodyDimUnit for i = 0 to 4
//   33-34 BodyVolume, BodyReserved, 35-37 body editor left, top, height
// Texts take the whole line; numbers are whole lines read as typed numbers or delimited fields.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "project/DesignFormState.h"
#include "units/UserMessages.h"

namespace tidewell {

// The oldest file version this release reads.
inline constexpr double kOldestProjectVersion = 3.95;
// Files larger than this are not project files.
inline constexpr std::size_t kMaxProjectFileBytes = 4 * 1024 * 1024;

// Every value a project file holds, as read.
struct ProjectData {
    double fileVersion = 0;
    bool olderLayout = false;  // header "... - Brackwater": no check-box lines
    std::string title;
    std::string description;
    std::string designer;
    std::string reserved1;
    std::string reserved2;
    int16_t significantDigits = 5;
    int16_t bodyType = 0;
    int16_t endcapType = 0;
    std::string materialName;
    int16_t pressureSource = 0;
    int16_t unitSystem = 0;
    int16_t forceThickWall = 0;      // read only from the current layout
    int16_t useWorkingStrength = 0;  // read only from the current layout
    int16_t pressureRange = 0;
    int32_t homeFormLeft = 0;
    int32_t homeFormTop = 0;
    std::array<double, 5> bodyDim{};
    std::array<double, 5> bodyDimEntered{};
    std::array<int16_t, 5> bodyDimUnit{};
    double bodyVolume = 0;
    double bodyReserved = 0;
    int32_t bodyFormLeft = 0;
    int32_t bodyFormTop = 0;
    int32_t bodyFormHeight = 0;
    std::array<double, 8> endcapDim{};
    std::array<double, 8> endcapDimEntered{};
    std::array<double, 5> endcapDimUnit{};
    double endcapVolume = 0;
    double endcapReserved = 0;
    int16_t uniformLoadOn = 0;
    int16_t lineLoadOn = 0;
    int16_t loadOption = 0;
    int16_t edgeRestraint = 0;
    int32_t endcapFormLeft = 0;
    int32_t endcapFormTop = 0;
    int32_t endcapFormHeight = 0;
    // RangeUnit, FailureUnit, WeightUnit, PressureUnit, DepthUnit, StressUnit, DeflectionUnit,
    // AngleUnit; absent in files written before these lines existed.
    std::optional<std::array<std::string, 8>> unitTexts;
    // What the number reader said about unreadable number lines (each read as 0); shown when the
    // project is applied.
    std::vector<Message> numberMessages;
};

enum class ProjectParseStatus {
    Read,             // the whole file read
    NotAProjectFile,  // line 1 does not name the program
    TooOld,           // version below kOldestProjectVersion
    Unreadable,       // ends early, or a line cannot be read as its type
};

struct ProjectParse {
    ProjectParseStatus status = ProjectParseStatus::Unreadable;
    ProjectData data;  // complete only when status is Read
};

// Parses the bytes of a project file (Windows-1252 or UTF-8). Shows nothing and changes nothing.
ProjectParse ParseProject(const std::string& bytes);

// Reads and checks the project file at path. The path comes back normalised (".PRJ" added, a bare
// name taken from programFolder). On success returns the data and sets ProjectLoadFailed to 0;
// nothing else of the design changes. On failure shows why and sets ProjectLoadFailed to -1:
// a wrong header "The file "<path>" is not a valid project file for Tidewell Ver. 4.6" (critical
// icon, title "Invalid File Format"), an older version "This file is from Ver.  3.9 and is not
// compatible with Ver  4.6", a file that ends early or holds an unreadable line the file error 62,
// a file that cannot be opened its file error (53 missing, 52 bad name, 54 otherwise).
std::optional<ProjectData> ReadProject(std::string& path, const std::string& programFolder,
                                       DesignRecord& design, UserMessages& messages);

// Puts a read project into the design record and the design form: the texts, the configuration
// through the body and endcap selections (a retired hemisphere body becomes an endcap-only design
// with a hemispherical endcap, a tube that names an endcap stays a tube alone), the options, the
// geometry, the layout and, when the file has them, the unit texts. A significant-digit count
// outside 1 to 12 becomes 5. ProjectFilePath is left as it is: filling the form from a file is
// not an edit. Shows the number reader's messages, then, for a hemisphere body, "Note:  Hemisphere
// is now supported as an endcap only." Returns what the windows must do; the design form moves
// to HomeFormLeft, HomeFormTop.
DesignUiActions ApplyProject(const ProjectData& data, DesignRecord& design, DesignFormState& form,
                             UserMessages& messages);

}  // namespace tidewell
