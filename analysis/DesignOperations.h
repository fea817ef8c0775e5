// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The operations that reset parts of the design record. Each returns what the windows must do
// (close an editor, rebuild a list, select an entry); the core never touches a window itself.

#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"

namespace tidewell {

// The edge-restraint list of an endcap, outer edge first.
const std::vector<std::string>& AnnularRestraintNames();   // twelve entries
const std::vector<std::string>& CircularRestraintNames();  // "Simply Supported", "Fixed"
inline constexpr int kAnnularDefaultRestraint = 4;
inline constexpr int kCircularDefaultRestraint = 0;

// Restraint entries of the given endcap code; empty for endcaps without a choice.
const std::vector<std::string>& RestraintNamesFor(int16_t endcapType);

// How the design form's edge-restraint frame must look after an endcap change.
struct RestraintListUpdate {
    bool visible = false;
    std::string caption;               // "Edge Restraint Options - Outer/Inner" or "... Options"
    std::vector<std::string> entries;  // rebuilt list
    int selected = -1;                 // preselected entry, -1 none
};

// What the user interface must do after a design operation.
struct DesignUiActions {
    bool closeResults = false;
    bool closePipeSizeTable = false;
    bool closeBodyEditor = false;
    bool closeEndcapEditor = false;
    bool closeMaterials = false;
    bool moveHomeForm = false;         // to HomeFormLeft, HomeFormTop
    bool clearIdentification = false;  // title, description and designer boxes
    bool clearCheckBoxes = false;      // ForceThickChk and WorkStrengthChk
    bool clearMaterialLabel = false;
    std::optional<std::string> homeCaption;  // "(Not saved)"
    std::optional<std::string> titleText;    // text to put into the title box
    std::optional<int> bodySelection;        // body list index to show, -1 empty
    std::optional<int> endcapSelection;      // endcap list index to show, -1 empty
    std::optional<RestraintListUpdate> restraintList;
    std::optional<int> restraintSelection;  // -1 empty

    // Adds the actions of a later operation; later selections win.
    void Merge(const DesignUiActions& later);
};

// The cleared state every new project starts from (SecondaryStrength and MaterialClass kept).
void ClearDesign(DesignRecord& design);

// Clears the design, titles it "Project1", selects "Tube"; the project is unsaved and unchanged.
DesignUiActions NewProject(DesignRecord& design);

// Default digits, notation and window positions.
DesignUiActions ResetLayout(DesignRecord& design);

DesignUiActions ClearBodyGeometry(DesignRecord& design);
DesignUiActions ClearEndcapGeometry(DesignRecord& design);

// Body list choice: 0 "Tube", 1 "Sphere", 2 "Endcap Only", anything else an emptied selection.
DesignUiActions SelectBody(DesignRecord& design, int listIndex);

// Endcap list choice: 0 "Flat Annular", 1 "Conical", 2 "Hemispherical", 3 "Flat Circular".
DesignUiActions SelectEndcap(DesignRecord& design, int listIndex);

// Forgets the chosen material and its properties.
DesignUiActions ClearMaterial(DesignRecord& design);

}  // namespace tidewell
