// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/DesignFormState.h"

namespace tidewell {

void ApplyUiActions(const DesignUiActions& actions, DesignFormState& form) {
    if (actions.clearIdentification) {
        form.title.clear();
        form.description.clear();
        form.designer.clear();
    }
    if (actions.titleText) form.title = *actions.titleText;
    if (actions.clearCheckBoxes) {
        form.forceThickCheck = 0;
        form.workStrengthCheck = 0;
    }
    if (actions.clearMaterialLabel) form.materialLabel.clear();
    if (actions.bodySelection) form.bodySelection = *actions.bodySelection;
    if (actions.endcapSelection) form.endcapSelection = *actions.endcapSelection;
    if (actions.restraintSelection) form.restraintSelection = *actions.restraintSelection;
}

int BodyListIndexOf(const DesignRecord& design) {
    if (design.BodyType == kTubeBody) return 0;
    if (design.BodyType == kSphereBody) return 1;
    if (design.BodyType == kNoBody && design.EndcapType > kNoEndcap) return 2;
    return -1;
}

}  // namespace tidewell
