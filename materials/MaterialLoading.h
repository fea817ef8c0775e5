// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loading a material from the materials file into the design record by name: the one route used by
// the materials window, a project being opened, the start-up default material and the
// command-line program.

#include <string>

#include "analysis/DesignRecord.h"
#include "units/UserMessages.h"

namespace tidewell {

// Reads the named material from the materials file at materialsFilePath and loads it into the
// design (MaterialName, LoadedMaterialName, MaterialClass, the property fields in base units).
// A material that is not in the file clears the design's material, shows
// "The material "<name>" not found in database." and returns false.
bool LoadMaterialByName(DesignRecord& design, const std::string& materialsFilePath,
                        const std::string& name, UserMessages& messages);

// "The material "<name>" not found in database." with the name's trailing blanks removed.
std::string MaterialNotFoundText(const std::string& name);

}  // namespace tidewell
