// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/BodyEditorModel.h"

#include "analysis/BodyGeometry.h"
#include "forms/PipeSizeTable.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

constexpr double kPi = 3.141592654;
constexpr int kInside = 0;
constexpr int kOutside = 1;
constexpr int kWall = 2;
constexpr int kLength = 3;
constexpr int kInchEntry = 0;

}  // namespace

BodyEditorModel::BodyEditorModel(DesignRecord& design, UserMessages& messages)
    : GeometryEditor(design, messages, kFieldCount) {
    const bool tube = design_.BodyType == kTubeBody;
    const std::string name = tube ? "Tube" : Caption();
    for (int field = 0; field < kFieldCount; ++field) MutableField(field).visible = true;
    MutableField(kInside).caption = name + " I.D.";
    MutableField(kOutside).caption = name + " O.D.";
    MutableField(kWall).caption = tube ? "Wall thickness" : "Wall Thickness";
    MutableField(kLength).caption = "Tube length";
    MutableField(kLength).visible = tube;
    LoadFields();
    ShowVolumes();
}

std::string BodyEditorModel::Caption() const {
    switch (design_.BodyType) {
        case kTubeBody:
            return "Tube";
        case kSphereBody:
            return "Sphere";
        default:
            return "Hemisphere";
    }
}

double& BodyEditorModel::Inches(int field) {
    return design_.BodyDim.at(static_cast<std::size_t>(field));
}

double& BodyEditorModel::Typed(int field) {
    return design_.BodyDimEntered.at(static_cast<std::size_t>(field));
}

int BodyEditorModel::StoredUnit(int list) const {
    return design_.BodyDimUnit.at(static_cast<std::size_t>(list));
}

void BodyEditorModel::StoreUnit(int list, int index) {
    design_.BodyDimUnit.at(static_cast<std::size_t>(list)) = static_cast<int16_t>(index);
}

void BodyEditorModel::AfterCommit(int editedField) {
    CompleteTriangle(editedField);
    MarkBodyGeometry(design_);
    ShowVolumes();
}

void BodyEditorModel::AfterRestore() {
    MarkBodyGeometry(design_);
    ShowVolumes();
}

void BodyEditorModel::ShowVolumes() {
    const double inside = design_.BodyDim[kInside] / 2;
    const double outside = design_.BodyDim[kOutside] / 2;
    double open = 0;
    double material = 0;
    if (design_.BodyType == kTubeBody) {
        const double length = design_.BodyDim[kLength];
        open = kPi * inside * inside * length;
        material = kPi * outside * outside * length - open;
    } else {
        open = 4.0 / 3.0 * kPi * inside * inside * inside;
        material = 4.0 / 3.0 * kPi * outside * outside * outside - open;
        if (design_.BodyType == kHemisphereBody) {
            open /= 2;
            material /= 2;
        }
    }
    design_.BodyVolume = open;
    int16_t digits = design_.SignificantDigits;
    int16_t notation = design_.NumericFormat;
    openVolumeText_ = SigDigFormat(open, digits, notation);
    materialVolumeText_ = SigDigFormat(material, digits, notation);
}

void BodyEditorModel::PipeTablesOpened() {
    Commit();
    for (const int field : {kInside, kOutside}) {
        SelectUnitQuietly(field, kInchEntry);
        Empty(field);
    }
    MarkChanged();
    Commit();
}

bool BodyEditorModel::PipePicked(int row, int column) {
    const double inside = PipeInsideDiameter(row, column);
    if (!(inside > 0)) return false;
    const double outside = PipeOutsideDiameter(column);
    Commit();
    // The table's own numbers, in inches: nothing passes through the display digits.
    for (const int field : {kInside, kOutside, kWall}) SelectUnitQuietly(field, kInchEntry);
    SetTyped(kInside, inside);
    SetTyped(kOutside, outside);
    SetTyped(kWall, (outside - inside) / 2);
    MarkChanged();
    Commit();
    return true;
}

void BodyEditorModel::SetPlacement(int left, int top, int height) {
    design_.BodyFormLeft = left;
    design_.BodyFormTop = top;
    design_.BodyFormHeight = height;
}

}  // namespace tidewell
