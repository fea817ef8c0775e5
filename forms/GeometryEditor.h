// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the two geometry editors share: a column of dimension fields, each a text with a length
// unit list, committed into the design record both as typed and in inches; the inside diameter,
// outside diameter and wall completion; the Cancel snapshot. A field is read only when the user
// edited it since it was last shown, so the display digits never round the stored geometry.

#include <array>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "units/UserMessages.h"

namespace tidewell {

inline constexpr int kNoUnitList = -1;
inline constexpr int kUnitListCount = 5;

// "Maintain I.D. constant" and "Maintain O.D. constant".
inline constexpr int kMaintainInside = 0;
inline constexpr int kMaintainOutside = 1;

struct EditorField {
    bool visible = false;
    bool enabled = true;
    bool highlighted = false;  // caption shown in blue
    std::string caption;
    std::string text;
};

class GeometryEditor {
public:
    virtual ~GeometryEditor() = default;
    GeometryEditor(const GeometryEditor&) = delete;
    GeometryEditor& operator=(const GeometryEditor&) = delete;

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    const EditorField& Field(int field) const {
        return fields_.at(static_cast<std::size_t>(field));
    }
    // The unit list a field uses, kNoUnitList for a count.
    virtual int UnitListOf(int field) const { return field; }
    int UnitSelection(int list) const { return units_.at(static_cast<std::size_t>(list)); }
    virtual bool UnitListEnabled(int list) const;
    virtual std::string Caption() const = 0;
    virtual bool FixedOptionVisible() const = 0;
    int FixedOption() const { return fixedOption_; }
    const DesignRecord& Design() const { return design_; }

    // --- the user's actions ----------------------------------------------------------------
    // Text typed into a field: kept until the next commit reads it.
    void FieldEdited(int field, const std::string& text);
    // A unit chosen from a list: the fields it serves are re-expressed in it, then committed.
    void UnitChosen(int list, int index);
    void FixedOptionChosen(int option);
    // Enter, Tab, leaving a field, Update, deactivation, closing, a command reading the design:
    // reads the edited fields, then completes the geometry.
    void Commit();
    // The editor became the active window: the state Cancel returns to, then a commit.
    void Activate();
    // Restores the state of the last activation (the window then closes without committing).
    void Cancel();

    // True once after every change the user made to the design (the results window closes).
    bool TakeDesignChanged();

protected:
    GeometryEditor(DesignRecord& design, UserMessages& messages, int fieldCount);

    virtual double& Inches(int field) = 0;
    virtual double& Typed(int field) = 0;
    virtual int StoredUnit(int list) const = 0;
    virtual void StoreUnit(int list, int index) = 0;
    // The completion or the endcap checks, after the fields were committed. editedField is the
    // field the user edited since the last commit, -1 for none.
    virtual void AfterCommit(int editedField) = 0;
    virtual bool IsCount(int /*field*/) const { return false; }
    // What follows a Cancel besides the fields (validity, volumes).
    virtual void AfterRestore() {}

    // Fills every field and unit list from the record: a program-made change, never an edit.
    void LoadFields();
    // Sets a field from a length in inches (shown in its own unit); 0 or less empties it.
    void SetInches(int field, double inches);
    // Sets a field from a typed value in its current unit; 0 or less empties it.
    void SetTyped(int field, double typed);
    void Empty(int field) { SetTyped(field, 0); }
    // Shows the stored typed value of a field, formatted; forgets any edit of it.
    void ShowStored(int field);
    bool Filled(int field) const { return !Field(field).text.empty(); }
    double In(int field) { return Inches(field); }
    // Selects a unit without converting anything (loading, restoring, copying, picking a pipe).
    void SelectUnitQuietly(int list, int index);
    // Completes inside diameter, outside diameter and wall (fields 0 to 2) from any two.
    void CompleteTriangle(int editedField);
    void MarkChanged();
    EditorField& MutableField(int field) { return fields_.at(static_cast<std::size_t>(field)); }
    void ForgetEdit(int field) { edited_.at(static_cast<std::size_t>(field)) = false; }

    DesignRecord& design_;
    UserMessages& messages_;

private:
    double UnitFactor(int field);
    void CommitFields();
    void TakeSnapshot();

    struct Snapshot {
        std::vector<double> inches;
        std::vector<double> typed;
        std::array<int, kUnitListCount> units{};
    };

    std::vector<EditorField> fields_;
    std::vector<bool> edited_;
    std::array<int, kUnitListCount> units_{};
    Snapshot snapshot_;
    int lastEdited_ = -1;
    int fixedOption_ = kMaintainInside;
    bool designChanged_ = false;
};

}  // namespace tidewell
