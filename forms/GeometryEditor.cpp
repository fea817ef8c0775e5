// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/GeometryEditor.h"

#include <cmath>
#include <cstdlib>

#include "units/NumberFormat.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// Unit list entry of the unit-system default ("in" or "mm").
int DefaultUnit(const DesignRecord& design) {
    return design.UnitSystem != 0 ? 1 : 0;
}

}  // namespace

GeometryEditor::GeometryEditor(DesignRecord& design, UserMessages& messages, int fieldCount)
    : design_(design),
      messages_(messages),
      fields_(static_cast<std::size_t>(fieldCount)),
      edited_(static_cast<std::size_t>(fieldCount), false) {}

bool GeometryEditor::UnitListEnabled(int /*list*/) const {
    return true;
}

double GeometryEditor::UnitFactor(int field) {
    const int list = UnitListOf(field);
    if (list == kNoUnitList) return 1.0;
    return Conversion(LengthUnitList().at(static_cast<std::size_t>(UnitSelection(list))),
                      messages_);
}

void GeometryEditor::ShowStored(int field) {
    const double typed = Typed(field);
    std::string text;
    if (typed > 0 && std::isfinite(typed)) {
        if (IsCount(field)) {
            text = std::to_string(std::llround(typed));
        } else {
            int16_t digits = design_.SignificantDigits;
            int16_t notation = design_.NumericFormat;
            text = SigDigFormat(typed, digits, notation);
        }
    }
    MutableField(field).text = text;
    ForgetEdit(field);
}

void GeometryEditor::SetTyped(int field, double typed) {
    if (!(typed > 0) || !std::isfinite(typed)) typed = 0;
    if (IsCount(field)) typed = std::round(typed);
    Typed(field) = typed;
    Inches(field) = typed / UnitFactor(field);
    ShowStored(field);
}

void GeometryEditor::SetInches(int field, double inches) {
    if (!(inches > 0) || !std::isfinite(inches)) {
        SetTyped(field, 0);
        return;
    }
    Typed(field) = inches * UnitFactor(field);
    Inches(field) = inches;
    ShowStored(field);
}

void GeometryEditor::SelectUnitQuietly(int list, int index) {
    if (list < 0 || list >= kUnitListCount) return;
    if (index < 0 || index >= static_cast<int>(LengthUnitList().size()))
        index = DefaultUnit(design_);
    units_[static_cast<std::size_t>(list)] = index;
    StoreUnit(list, index);
}

void GeometryEditor::LoadFields() {
    for (int list = 0; list < kUnitListCount; ++list) {
        const int stored = StoredUnit(list);
        units_[static_cast<std::size_t>(list)] =
            stored >= 0 && stored < static_cast<int>(LengthUnitList().size())
                ? stored
                : DefaultUnit(design_);
    }
    for (int field = 0; field < FieldCount(); ++field) ShowStored(field);
    lastEdited_ = -1;
    TakeSnapshot();
}

void GeometryEditor::TakeSnapshot() {
    snapshot_.inches.clear();
    snapshot_.typed.clear();
    for (int field = 0; field < FieldCount(); ++field) {
        snapshot_.inches.push_back(Inches(field));
        snapshot_.typed.push_back(Typed(field));
    }
    snapshot_.units = units_;
}

void GeometryEditor::MarkChanged() {
    design_.ProjectChanged = kTrue;
    designChanged_ = true;
}

bool GeometryEditor::TakeDesignChanged() {
    const bool changed = designChanged_;
    designChanged_ = false;
    return changed;
}

void GeometryEditor::FieldEdited(int field, const std::string& text) {
    if (field < 0 || field >= FieldCount() || !Field(field).visible) return;
    MutableField(field).text = text;
    edited_[static_cast<std::size_t>(field)] = true;
    lastEdited_ = field;
    MarkChanged();
}

void GeometryEditor::CommitFields() {
    for (int field = 0; field < FieldCount(); ++field) {
        if (!Field(field).visible) continue;
        if (edited_[static_cast<std::size_t>(field)]) {
            double value = EngValue(Field(field).text, messages_);
            if (!IsCount(field) && value > 0) {
                // A value too small to show in the chosen digits would look empty: it is.
                int16_t digits = design_.SignificantDigits;
                int16_t notation = design_.NumericFormat;
                if (std::strtod(SigDigFormat(value, digits, notation).c_str(), nullptr) == 0) {
                    value = 0;
                }
            }
            SetTyped(field, value);
        } else {
            ShowStored(field);
        }
        const int list = UnitListOf(field);
        if (list != kNoUnitList) StoreUnit(list, UnitSelection(list));
    }
}

void GeometryEditor::Commit() {
    const int edited = lastEdited_;
    lastEdited_ = -1;
    CommitFields();
    AfterCommit(edited);
}

void GeometryEditor::UnitChosen(int list, int index) {
    if (list < 0 || list >= kUnitListCount) return;
    if (index < 0 || index >= static_cast<int>(LengthUnitList().size())) return;
    Commit();
    const int previous = UnitSelection(list);
    if (index == previous) return;
    units_[static_cast<std::size_t>(list)] = index;
    StoreUnit(list, index);
    // The stored value is re-expressed at full precision; the length itself does not change.
    for (int field = 0; field < FieldCount(); ++field) {
        if (UnitListOf(field) != list || !Field(field).visible) continue;
        if (Typed(field) > 0) {
            Typed(field) =
                ConvertLengthEntry(Typed(field), LengthUnitList()[static_cast<std::size_t>(index)],
                                   previous, messages_);
        }
        ShowStored(field);
    }
    MarkChanged();
    Commit();
}

void GeometryEditor::FixedOptionChosen(int option) {
    fixedOption_ = option == kMaintainOutside ? kMaintainOutside : kMaintainInside;
}

void GeometryEditor::Activate() {
    TakeSnapshot();
    Commit();
}

void GeometryEditor::Cancel() {
    if (snapshot_.inches.size() != static_cast<std::size_t>(FieldCount())) return;
    for (int list = 0; list < kUnitListCount; ++list) {
        SelectUnitQuietly(list, snapshot_.units[static_cast<std::size_t>(list)]);
    }
    for (int field = 0; field < FieldCount(); ++field) {
        Inches(field) = snapshot_.inches[static_cast<std::size_t>(field)];
        Typed(field) = snapshot_.typed[static_cast<std::size_t>(field)];
        ShowStored(field);
    }
    lastEdited_ = -1;
    MarkChanged();
    AfterRestore();
}

void GeometryEditor::CompleteTriangle(int editedField) {
    const int filled = (Filled(0) ? 1 : 0) + (Filled(1) ? 1 : 0) + (Filled(2) ? 1 : 0);
    if (filled == 2) {
        if (!Filled(2)) {
            SetInches(2, (In(1) - In(0)) / 2);
        } else if (!Filled(1)) {
            SetInches(1, In(0) + 2 * In(2));
        } else {
            SetInches(0, In(1) - 2 * In(2));
        }
    } else if (filled == 3 && editedField >= 0 && editedField <= 2) {
        // Only the field the user just changed decides; loaded geometry is never rewritten.
        if (editedField != 2) {
            SetInches(2, (In(1) - In(0)) / 2);
        } else if (fixedOption_ == kMaintainInside) {
            SetInches(1, In(0) + 2 * In(2));
        } else {
            SetInches(0, In(1) - 2 * In(2));
        }
    }
}

}  // namespace tidewell
