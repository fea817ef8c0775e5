// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/DesignOperations.h"

namespace tidewell {

namespace {

const char* const kAnnularCaption = "Edge Restraint Options - Outer/Inner";
const char* const kCircularCaption = "Edge Restraint Options";
const char* const kNewProjectTitle = "Project1";

template <typename T>
void MergeOptional(std::optional<T>& into, const std::optional<T>& from) {
    if (from) into = from;
}

// Drops the endcap of a body design: no endcap code, its editor closed and the endcap and
// restraint selections emptied.
void DropEndcap(DesignRecord& design, DesignUiActions& actions) {
    design.EndcapType = kNoEndcap;
    design.EdgeRestraint = -1;
    actions.closeEndcapEditor = true;
    actions.endcapSelection = -1;
    actions.restraintSelection = -1;
    actions.restraintList = RestraintListUpdate{};
}

}  // namespace

const std::vector<std::string>& AnnularRestraintNames() {
    static const std::vector<std::string> names = {
        "Fixed/Free",
        "Fixed/Guided",
        "Fixed/Simply Supported",
        "Fixed/Fixed",
        "Simply Supported/Free",
        "Simply Supported/Guided",
        "Simply Supported/Simply Supported",
        "Simply Supported/Fixed",
        "Guided/Simply Supported",
        "Guided/Fixed",
        "Free/Simply Supported",
        "Free/Fixed",
    };
    return names;
}

const std::vector<std::string>& CircularRestraintNames() {
    static const std::vector<std::string> names = {"Simply Supported", "Fixed"};
    return names;
}

const std::vector<std::string>& RestraintNamesFor(int16_t endcapType) {
    static const std::vector<std::string> none;
    if (endcapType == kFlatAnnularEndcap) return AnnularRestraintNames();
    if (endcapType == kFlatCircularEndcap) return CircularRestraintNames();
    return none;
}

void DesignUiActions::Merge(const DesignUiActions& later) {
    closeResults = closeResults || later.closeResults;
    closePipeSizeTable = closePipeSizeTable || later.closePipeSizeTable;
    closeBodyEditor = closeBodyEditor || later.closeBodyEditor;
    closeEndcapEditor = closeEndcapEditor || later.closeEndcapEditor;
    closeMaterials = closeMaterials || later.closeMaterials;
    moveHomeForm = moveHomeForm || later.moveHomeForm;
    clearIdentification = clearIdentification || later.clearIdentification;
    clearCheckBoxes = clearCheckBoxes || later.clearCheckBoxes;
    clearMaterialLabel = clearMaterialLabel || later.clearMaterialLabel;
    MergeOptional(homeCaption, later.homeCaption);
    MergeOptional(titleText, later.titleText);
    MergeOptional(bodySelection, later.bodySelection);
    MergeOptional(endcapSelection, later.endcapSelection);
    MergeOptional(restraintList, later.restraintList);
    MergeOptional(restraintSelection, later.restraintSelection);
}

void ClearDesign(DesignRecord& design) {
    design.MaterialName.clear();
    design.LoadedMaterialName.clear();
    design.ProjectTitle.clear();
    design.ProjectDescription.clear();
    design.DesignerName.clear();
    design.ProjectReserved1.clear();
    design.ProjectReserved2.clear();
    design.RangeUnit.clear();
    design.FailureUnit.clear();
    design.WeightUnit.clear();
    design.PressureUnit.clear();
    design.DepthUnit.clear();
    design.StressUnit.clear();
    design.DeflectionUnit.clear();
    design.AngleUnit = "Degrees";
    // SecondaryStrength and MaterialClass stay: only a new material load replaces them.
    design.YoungsModulus = 0;
    design.PoissonsRatio = 0;
    design.Density = 0;
    design.YieldStrength = 0;
    design.BodyType = kNoBody;
    design.EndcapType = kNoEndcap;
    design.PressureRange = 4;
    design.RangeFitPending = kTrue;
    for (int i = 0; i < 5; ++i) {
        design.BodyDim[i] = 0;
        design.BodyDimEntered[i] = 0;
        design.BodyDimUnit[i] = -1;
        design.EndcapDimUnit[i] = -1.0;
    }
    for (int i = 0; i < 8; ++i) {
        design.EndcapDim[i] = 0;
        design.EndcapDimEntered[i] = 0;
    }
    design.EndcapDimEntered[5] = 50;
    design.BodyVolume = 0;
    design.BodyReserved = 0;
    design.EndcapVolume = 0;
    design.EndcapReserved = 0;
    design.BodyFormHeight = 0;
    design.EndcapFormHeight = 0;
    design.UniformLoadOn = 1;
    design.LineLoadOn = kTrue;
    design.LoadOption = 0;
    design.EdgeRestraint = 0;
    design.MaterialNoticesShown = 0;
}

DesignUiActions NewProject(DesignRecord& design) {
    DesignUiActions actions;
    actions.closeResults = true;
    actions.closePipeSizeTable = true;
    actions.closeBodyEditor = true;
    actions.closeEndcapEditor = true;
    actions.closeMaterials = true;
    ClearDesign(design);
    actions.homeCaption = "(Not saved)";
    design.ProjectFilePath.clear();
    actions.clearIdentification = true;
    actions.titleText = kNewProjectTitle;
    design.ProjectTitle = kNewProjectTitle;
    actions.clearCheckBoxes = true;
    design.ForceThickWall = 0;
    design.UseWorkingStrength = 0;
    actions.Merge(ClearMaterial(design));
    design.UniformLoadOn = kTrue;
    actions.endcapSelection = -1;
    actions.bodySelection = -1;
    actions.Merge(SelectBody(design, 0));
    actions.bodySelection = 0;
    design.AnalysisScope = 0;
    // The edits above are the program's own: a new project starts unchanged.
    design.ProjectChanged = kFalse;
    return actions;
}

DesignUiActions ResetLayout(DesignRecord& design) {
    DesignUiActions actions;
    design.SignificantDigits = 5;
    design.NumericFormat = 2;
    actions.closeBodyEditor = true;
    actions.closeEndcapEditor = true;
    design.HomeFormLeft = 250;
    design.HomeFormTop = 250;
    actions.moveHomeForm = true;
    design.BodyFormLeft = 1000;
    design.BodyFormTop = 1000;
    design.BodyFormHeight = 4125;
    design.EndcapFormLeft = 1250;
    design.EndcapFormTop = 1250;
    design.EndcapFormHeight = 4125;
    return actions;
}

DesignUiActions ClearBodyGeometry(DesignRecord& design) {
    DesignUiActions actions;
    actions.closeBodyEditor = true;
    for (int i = 0; i < 5; ++i) {
        design.BodyDimEntered[i] = 0;
        design.BodyDimUnit[i] = -1;
        design.BodyDim[i] = 0;
    }
    return actions;
}

DesignUiActions ClearEndcapGeometry(DesignRecord& design) {
    DesignUiActions actions;
    actions.closeEndcapEditor = true;
    for (int i = 0; i < 8; ++i) {
        design.EndcapDimEntered[i] = 0;
        design.EndcapDim[i] = 0;
    }
    for (int i = 0; i < 5; ++i) design.EndcapDimUnit[i] = -1.0;
    design.EndcapDimEntered[5] = 50;
    return actions;
}

DesignUiActions SelectBody(DesignRecord& design, int listIndex) {
    DesignUiActions actions;
    const int16_t bodyBefore = design.BodyType;
    const int16_t endcapBefore = design.EndcapType;
    bool geometryCleared = false;
    switch (listIndex) {
        case 0:  // Tube: keeps a tube's geometry, always drops the endcap
            if (design.BodyType != kTubeBody) {
                actions.Merge(ClearBodyGeometry(design));
                geometryCleared = true;
                design.BodyType = kTubeBody;
            }
            design.ProjectChanged = kTrue;
            DropEndcap(design, actions);
            break;
        case 1:  // Sphere
            if (design.BodyType != kSphereBody) {
                design.BodyType = kSphereBody;
                design.ProjectChanged = kTrue;
                DropEndcap(design, actions);
                actions.Merge(ClearBodyGeometry(design));
                geometryCleared = true;
            }
            break;
        case 2:  // Endcap only
            if (!(design.BodyType == kNoBody && design.EndcapType > 0)) {
                design.ProjectChanged = kTrue;
                design.BodyType = kNoBody;
                actions.closeBodyEditor = true;
                if (design.EndcapType == kNoEndcap) {
                    actions.Merge(ClearEndcapGeometry(design));
                    geometryCleared = true;
                    actions.Merge(SelectEndcap(design, kFlatCircularEndcap - 1));
                    actions.endcapSelection = kFlatCircularEndcap - 1;
                }
            }
            break;
        default:  // an emptied selection drops the body
            design.BodyType = kNoBody;
            actions.closeBodyEditor = true;
            break;
    }
    if (design.BodyType != bodyBefore || design.EndcapType != endcapBefore || geometryCleared) {
        actions.closeResults = true;
        design.AnalysisScope = 0;
    }
    return actions;
}

DesignUiActions SelectEndcap(DesignRecord& design, int listIndex) {
    DesignUiActions actions;
    const int16_t code = static_cast<int16_t>(listIndex + 1);
    if (code == design.EndcapType) return actions;
    design.EndcapType = code;
    design.ProjectChanged = kTrue;
    design.AnalysisScope = 0;
    actions.Merge(ClearEndcapGeometry(design));
    RestraintListUpdate list;
    if (code == kFlatAnnularEndcap) {
        list = {true, kAnnularCaption, AnnularRestraintNames(), kAnnularDefaultRestraint};
    } else if (code == kFlatCircularEndcap) {
        list = {true, kCircularCaption, CircularRestraintNames(), kCircularDefaultRestraint};
    }
    design.EdgeRestraint = static_cast<int16_t>(list.selected);
    actions.restraintList = list;
    actions.restraintSelection = list.selected;
    actions.endcapSelection = listIndex;
    actions.closeResults = true;
    return actions;
}

DesignUiActions ClearMaterial(DesignRecord& design) {
    DesignUiActions actions;
    actions.clearMaterialLabel = true;
    design.MaterialName.clear();
    design.LoadedMaterialName.clear();
    design.YoungsModulus = 0;
    design.PoissonsRatio = 0;
    design.Density = 0;
    design.YieldStrength = 0;
    return actions;
}

}  // namespace tidewell
