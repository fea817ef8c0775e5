// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialLoading.h"

#include "analysis/DesignOperations.h"
#include "materials/MaterialUnits.h"
#include "materials/MaterialsFile.h"

namespace tidewell {

std::string MaterialNotFoundText(const std::string& name) {
    std::size_t length = name.size();
    while (length > 0 && name[length - 1] == ' ') --length;
    return "The material \"" + name.substr(0, length) + "\" not found in database.";
}

bool LoadMaterialByName(DesignRecord& design, const std::string& materialsFilePath,
                        const std::string& requestedName, UserMessages& messages) {
    // A copy: callers may pass the design's own MaterialName, which clearing the material empties.
    const std::string name = requestedName;
    if (name.empty()) {
        ClearMaterial(design);
        return false;
    }
    MaterialsFileStatus status;
    const MaterialRecord record = ReadMaterial(materialsFilePath, name, &status);
    if (!status.Ok()) {
        ClearMaterial(design);
        messages.Show(status.error, kProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    if (record.InUse != kMaterialInUse) {
        ClearMaterial(design);
        messages.Show(MaterialNotFoundText(name), kProgramTitle, MessageIcon::Exclamation,
                      MessageButtons::Ok);
        return false;
    }
    // The unit lists start from their first entries, as after the window clears a material.
    LoadRecordIntoDesign(design, record, MaterialUnitSelection{}, messages);
    return true;
}

}  // namespace tidewell
