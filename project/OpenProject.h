// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opening a project in full, as the desktop's Open commands and the command-line program do it:
// read the file, put it into the design and the design form, fetch the material by name from the
// materials file, and start unchanged.

#include <functional>
#include <string>

#include "analysis/DesignOperations.h"
#include "project/DesignFormState.h"
#include "units/UserMessages.h"

namespace tidewell {

struct OpenProjectResult {
    bool opened = false;
    DesignUiActions actions;
    std::string caption;            // the design form's caption: the file's name without folder
    bool openBodyEditor = false;    // the design has a body
    bool openEndcapEditor = false;  // the design has an endcap
};

// Opens the project at path into a design that the caller has just started anew (NewProject).
// ProjectFilePath becomes the normalised path (".PRJ" added, a bare name taken from
// programFolder). When the file cannot be read, the reader's message has been shown,
// ProjectLoadFailed is -1, ProjectFilePath is empty and the design is as it was. Otherwise the
// material named in the file is loaded from materialsFilePath (a name not found there clears the
// material with the materials catalogue's message; an empty name clears it quietly) and
// ProjectChanged becomes 0 and BodyGeometryValid holds the body editor's verdict.
// A loader, when given, fetches the material instead (the desktop's materials catalogue, which
// keeps the texts of the loaded material); it must leave the design's MaterialName empty when the
// material was not found.
using MaterialLoader = std::function<void(const std::string& name)>;
OpenProjectResult OpenProject(const std::string& path, const std::string& programFolder,
                              const std::string& materialsFilePath, DesignRecord& design,
                              DesignFormState& form, UserMessages& messages,
                              const MaterialLoader& loadMaterial = nullptr);

// Opens the project into a design started afresh (the default layout, a new project), as a
// program without a design form does.
struct ProjectOpenedAfresh {
    DesignRecord design;
    OpenProjectResult result;
};
ProjectOpenedAfresh OpenProjectAfresh(const std::string& path, const std::string& programFolder,
                                      const std::string& materialsFilePath, UserMessages& messages);

}  // namespace tidewell
