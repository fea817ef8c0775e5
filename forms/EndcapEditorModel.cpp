// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/EndcapEditorModel.h"

#include <algorithm>

#include "analysis/DesignOperations.h"

namespace tidewell {

namespace {

constexpr int kFree = 0;  // free diameter of a plate, inside diameter of a shell endcap
constexpr int kOutside = 1;
constexpr int kThickness = 2;
constexpr int kHole = 3;  // center hole of the annular plate, height of the cone
constexpr double kFewestIncrements = 2;
constexpr double kMostIncrements = 1000;

struct EndcapCaptions {
    const char* title;
    std::array<const char*, 4> fields;  // fields 0 to 3; nullptr hidden
};

EndcapCaptions CaptionsOf(int16_t endcapType) {
    switch (endcapType) {
        case kFlatAnnularEndcap:
            return {"Flat Annular Endcap - ",
                    {"Free Diameter", "Cap Outside Diameter", "Thickness", "Center Hole Diameter"}};
        case kConicalEndcap:
            return {"Conical Endcap",
                    {"Base Inside Diameter", "Base Outside Diameter", "Wall Thickness",
                     "Conical Outer Height"}};
        case kHemisphericalEndcap:
            return {"Hemispherical Endcap",
                    {"Hemi Inside Diameter", "Hemi Outside Diameter", "Wall Thickness", nullptr}};
        default:
            return {"Flat Circular Endcap - ",
                    {"Plate Free Diameter", "Plate Outside Diameter", "Plate Thickness", nullptr}};
    }
}

}  // namespace

bool AnalysisAllowed(const DesignRecord& design) {
    const bool annularPlate = design.BodyType == kNoBody && design.EndcapType == kFlatAnnularEndcap;
    return !(annularPlate && design.UniformLoadOn == 0 && design.LineLoadOn == 0);
}

EndcapEditorModel::EndcapEditorModel(DesignRecord& design, UserMessages& messages)
    : GeometryEditor(design, messages, kFieldCount) {
    const EndcapCaptions captions = CaptionsOf(design_.EndcapType);
    for (int field = 0; field < 4; ++field) {
        const char* caption = captions.fields[static_cast<std::size_t>(field)];
        MutableField(field).visible = caption != nullptr;
        MutableField(field).caption = caption ? caption : "";
    }
    const bool plate =
        design_.EndcapType == kFlatAnnularEndcap || design_.EndcapType == kFlatCircularEndcap;
    MutableField(kFree).highlighted = plate;
    const bool annular = LoadOptionsVisible();
    MutableField(kLineLoadField).caption = "Line Load Application Diameter";
    MutableField(kIncrementsField).caption = "Radial Increments";
    MutableField(kUniformLoadField).caption = "Annular Pressure Load I.D.";
    MutableField(kLineForceField).caption = "Pressure Area Diameter for Line Force";
    for (const int field : {kLineLoadField, kIncrementsField, kUniformLoadField, kLineForceField}) {
        MutableField(field).visible = annular;
    }
    LoadFields();
    ApplyLoadEnabling();
}

std::string EndcapEditorModel::Caption() const {
    std::string caption = CaptionsOf(design_.EndcapType).title;
    if (caption.back() == ' ') {
        const std::vector<std::string>& restraints = RestraintNamesFor(design_.EndcapType);
        if (design_.EdgeRestraint >= 0 &&
            design_.EdgeRestraint < static_cast<int>(restraints.size())) {
            caption += restraints[static_cast<std::size_t>(design_.EdgeRestraint)];
        }
    }
    return caption;
}

bool EndcapEditorModel::FixedOptionVisible() const {
    return design_.EndcapType == kConicalEndcap || design_.EndcapType == kHemisphericalEndcap;
}

int EndcapEditorModel::UnitListOf(int field) const {
    if (field == kIncrementsField) return kNoUnitList;
    // The three load diameters share one list.
    if (field == kUniformLoadField || field == kLineForceField) return kLoadUnitList;
    return field;
}

bool EndcapEditorModel::UnitListEnabled(int list) const {
    if (list != kLoadUnitList) return true;
    return Field(kLineLoadField).enabled || Field(kUniformLoadField).enabled;
}

double& EndcapEditorModel::Inches(int field) {
    return design_.EndcapDim.at(static_cast<std::size_t>(field));
}

double& EndcapEditorModel::Typed(int field) {
    return design_.EndcapDimEntered.at(static_cast<std::size_t>(field));
}

int EndcapEditorModel::StoredUnit(int list) const {
    const double stored = design_.EndcapDimUnit.at(static_cast<std::size_t>(list));
    return stored >= 0 && stored < kUnitListCount ? static_cast<int>(stored) : -1;
}

void EndcapEditorModel::StoreUnit(int list, int index) {
    design_.EndcapDimUnit.at(static_cast<std::size_t>(list)) = index;
}

void EndcapEditorModel::AfterCommit(int editedField) {
    switch (design_.EndcapType) {
        case kConicalEndcap:
        case kHemisphericalEndcap:
            CompleteTriangle(editedField);
            break;
        case kFlatCircularEndcap:
            if (Filled(kOutside) && In(kFree) > In(kOutside)) Empty(kFree);
            break;
        case kFlatAnnularEndcap:
            CheckAnnularPlate();
            break;
        default:
            break;
    }
}

void EndcapEditorModel::CopyField(int from, int to) {
    Typed(to) = Typed(from);
    Inches(to) = Inches(from);
    ShowStored(to);
}

void EndcapEditorModel::CheckAnnularPlate() {
    if (LoadOption() == kDefaultLoading) {
        // The loads act at the hole: its length, in its unit, without passing through the text.
        SelectUnitQuietly(kLoadUnitList, UnitSelection(kHole));
        for (const int field : {kLineLoadField, kUniformLoadField, kLineForceField}) {
            CopyField(kHole, field);
        }
    }
    SetTyped(kIncrementsField,
             std::clamp(Typed(kIncrementsField), kFewestIncrements, kMostIncrements));
    if (Filled(kOutside) && In(kHole) >= In(kOutside)) Empty(kHole);
    if ((Filled(kFree) && In(kFree) < In(kHole)) ||
        (Filled(kOutside) && In(kFree) > In(kOutside))) {
        Empty(kFree);
    }
    auto outsideThePlate = [this](int field) {
        return (Filled(field) && In(field) < In(kHole)) ||
               (Filled(kOutside) && In(field) > In(kOutside));
    };
    if (design_.LineLoadOn != 0) {
        for (const int field : {kLineLoadField, kLineForceField}) {
            if (outsideThePlate(field)) Empty(field);
        }
    }
    if (design_.UniformLoadOn != 0 && outsideThePlate(kUniformLoadField)) {
        Empty(kUniformLoadField);
    }
}

void EndcapEditorModel::ApplyLoadEnabling() {
    const bool custom = LoadOption() == kCustomLoading;
    MutableField(kLineLoadField).enabled = custom && LineLoadChecked();
    MutableField(kLineForceField).enabled = custom && LineLoadChecked();
    MutableField(kUniformLoadField).enabled = custom && UniformLoadChecked();
}

void EndcapEditorModel::UniformLoadClicked(bool ticked) {
    design_.UniformLoadOn = ticked ? kTrue : kFalse;
    MarkChanged();
    ApplyLoadEnabling();
}

void EndcapEditorModel::LineLoadClicked(bool ticked) {
    design_.LineLoadOn = ticked ? kTrue : kFalse;
    MarkChanged();
    ApplyLoadEnabling();
}

void EndcapEditorModel::LoadOptionChosen(int option) {
    const int16_t stored = option == kCustomLoading ? kTrue : kFalse;
    if (stored != design_.LoadOption) {
        design_.LoadOption = stored;
        MarkChanged();
    }
    ApplyLoadEnabling();
    Commit();
}

void EndcapEditorModel::Align() {
    Commit();
    // The values as the commit stored them (an empty field counts as 0); the earlier candidate
    // wins a tie.
    int smallest = kUniformLoadField;
    if (Typed(smallest) > Typed(kLineLoadField)) smallest = kLineLoadField;
    if (Typed(smallest) > Typed(kLineForceField)) smallest = kLineForceField;
    for (const int field : {kUniformLoadField, kLineLoadField, kLineForceField}) {
        if (field != smallest) CopyField(smallest, field);
    }
    MarkChanged();
    Commit();
}

void EndcapEditorModel::SetPlacement(int left, int top, int height) {
    design_.EndcapFormLeft = left;
    design_.EndcapFormTop = top;
    design_.EndcapFormHeight = height;
}

}  // namespace tidewell
