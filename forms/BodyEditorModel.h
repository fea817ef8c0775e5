// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The body editor without its window: the tube, sphere or hemisphere fields (inside diameter,
// outside diameter, wall, tube length), their completion, the volumes and the pipe pick.

#include "forms/GeometryEditor.h"

namespace tidewell {

class BodyEditorModel : public GeometryEditor {
public:
    static constexpr int kFieldCount = 4;

    // Loads the fields from the record (not an edit). The record and messages outlive the model.
    BodyEditorModel(DesignRecord& design, UserMessages& messages);

    std::string Caption() const override;
    bool FixedOptionVisible() const override { return true; }
    bool PipeButtonVisible() const { return design_.BodyType == kTubeBody; }
    std::string OpenVolumeText() const { return openVolumeText_; }
    std::string MaterialVolumeText() const { return materialVolumeText_; }

    // "Pipe Tables": the I.D. and O.D. are emptied and shown in inches until a pipe is picked.
    void PipeTablesOpened();
    // A pick in the pipe size table (row 1 to 8, column 1 to 20). False for an empty cell,
    // which changes nothing.
    bool PipePicked(int row, int column);

    // The window's place, stored on every commit (twips).
    void SetPlacement(int left, int top, int height);

protected:
    double& Inches(int field) override;
    double& Typed(int field) override;
    int StoredUnit(int list) const override;
    void StoreUnit(int list, int index) override;
    void AfterCommit(int editedField) override;
    void AfterRestore() override;

private:
    void ShowVolumes();

    std::string openVolumeText_;
    std::string materialVolumeText_;
};

}  // namespace tidewell
