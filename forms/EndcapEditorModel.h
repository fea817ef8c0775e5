// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The endcap editor without its window: the fields of the flat annular, conical, hemispherical
// and flat circular endcaps, their completion and diameter checks, and the annular plate's load
// options (the two load boxes, "Default"/"Custom", the three load diameters and Align).

#include "forms/GeometryEditor.h"

namespace tidewell {

// Whether "Perform Analysis" is offered: always, except for a flat annular endcap with both loads
// switched off. Derived from the design every time, so no later change leaves it stale.
bool AnalysisAllowed(const DesignRecord& design);

// "Default" and "Custom" of the load options.
inline constexpr int kDefaultLoading = 0;
inline constexpr int kCustomLoading = 1;

class EndcapEditorModel : public GeometryEditor {
public:
    static constexpr int kFieldCount = 8;
    static constexpr int kLineLoadField = 4;
    static constexpr int kIncrementsField = 5;
    static constexpr int kUniformLoadField = 6;
    static constexpr int kLineForceField = 7;
    static constexpr int kLoadUnitList = 4;

    // Loads the fields from the record (not an edit). The record and messages outlive the model.
    EndcapEditorModel(DesignRecord& design, UserMessages& messages);

    std::string Caption() const override;
    bool FixedOptionVisible() const override;
    int UnitListOf(int field) const override;
    bool UnitListEnabled(int list) const override;
    bool LoadOptionsVisible() const { return design_.EndcapType == kFlatAnnularEndcap; }
    bool UniformLoadChecked() const { return design_.UniformLoadOn != 0; }
    bool LineLoadChecked() const { return design_.LineLoadOn != 0; }
    int LoadOption() const { return design_.LoadOption == 0 ? kDefaultLoading : kCustomLoading; }
    bool AnalysisEnabled() const { return AnalysisAllowed(design_); }

    void UniformLoadClicked(bool ticked);
    void LineLoadClicked(bool ticked);
    void LoadOptionChosen(int option);
    // Puts the smallest of the three load diameters into all three.
    void Align();

    // The window's place, stored on every commit (twips).
    void SetPlacement(int left, int top, int height);

protected:
    double& Inches(int field) override;
    double& Typed(int field) override;
    int StoredUnit(int list) const override;
    void StoreUnit(int list, int index) override;
    void AfterCommit(int editedField) override;
    bool IsCount(int field) const override { return field == kIncrementsField; }

private:
    void CheckAnnularPlate();
    void ApplyLoadEnabling();
    void CopyField(int from, int to);
};

}  // namespace tidewell
