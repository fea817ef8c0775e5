// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/OpenProject.h"

#include "analysis/BodyGeometry.h"

#include <optional>

#include "materials/MaterialLoading.h"
#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"

namespace tidewell {

OpenProjectResult OpenProject(const std::string& path, const std::string& programFolder,
                              const std::string& materialsFilePath, DesignRecord& design,
                              DesignFormState& form, UserMessages& messages,
                              const MaterialLoader& loadMaterial) {
    OpenProjectResult result;
    design.ProjectFilePath = path;
    const std::optional<ProjectData> data =
        ReadProject(design.ProjectFilePath, programFolder, design, messages);
    if (!data) {
        design.ProjectFilePath.clear();
        return result;
    }
    result.actions = ApplyProject(*data, design, form, messages);
    result.caption = ProjectFileTitle(design.ProjectFilePath);

    if (form.materialLabel.empty()) {
        const DesignUiActions cleared = ClearMaterial(design);
        ApplyUiActions(cleared, form);
        result.actions.Merge(cleared);
    } else {
        if (loadMaterial) {
            loadMaterial(form.materialLabel);
        } else {
            LoadMaterialByName(design, materialsFilePath, form.materialLabel, messages);
        }
        // The label shows the loaded material, or nothing when it was not found.
        form.materialLabel = design.MaterialName;
    }
    result.openBodyEditor = design.BodyType > 0;
    // The body editor that Open shows completes the dimensions and judges them; the verdict is
    // the same without the window.
    MarkBodyGeometry(design);
    result.openEndcapEditor = design.EndcapType > 0;
    result.opened = true;
    design.ProjectChanged = kFalse;
    design.RangeFitPending = kFalse;
    return result;
}

ProjectOpenedAfresh OpenProjectAfresh(const std::string& path, const std::string& programFolder,
                                      const std::string& materialsFilePath,
                                      UserMessages& messages) {
    ProjectOpenedAfresh opened;
    ResetLayout(opened.design);
    NewProject(opened.design);
    DesignFormState form;
    opened.result =
        OpenProject(path, programFolder, materialsFilePath, opened.design, form, messages);
    return opened;
}

}  // namespace tidewell
