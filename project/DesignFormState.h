// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the design form shows: its text boxes, material label, option pairs, check boxes and list
// selections. Reading a project and applying the preferences fill it; the form only displays it,
// so filling it never runs the form's edit handling.

#include <cstdint>
#include <string>

#include "analysis/DesignOperations.h"

namespace tidewell {

struct DesignFormState {
    std::string title;                 // Title box
    std::string description;           // Description box
    std::string designer;              // Designer box
    std::string materialLabel;         // Material label
    int16_t pressureSourceOption = 0;  // PresSourceBox: 0 "Internal", 1 "External"
    int16_t unitOption = 0;            // UnitChoiceBox: 0 "English", 1 "Metric"
    int16_t forceThickCheck = 0;       // ForceThickChk, 0 or 1
    int16_t workStrengthCheck = 0;     // WorkStrengthChk, 0 or 1
    int bodySelection = -1;            // BodyBox index: 0 "Tube", 1 "Sphere", 2 "Endcap Only"
    int endcapSelection = -1;          // EndCapBox index: endcap code - 1
    int restraintSelection = -1;       // EdgeFix index
};

// Brings the form state in line with the actions of a design operation: emptied boxes, the new
// title text, cleared check boxes and material label, new list selections.
void ApplyUiActions(const DesignUiActions& actions, DesignFormState& form);

// The body list index of a design's body code: tube 0, sphere 1, no body with an endcap 2, else -1.
int BodyListIndexOf(const DesignRecord& design);

}  // namespace tidewell
