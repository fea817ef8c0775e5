// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The endcap editor: the dimensions of the flat annular, conical, hemispherical or flat circular
// endcap and, for the annular plate, its load options.

#include "forms/EndcapEditorModel.h"
#include "ui/GeometryEditorForm.h"

class QCheckBox;

namespace tidewell {

class EndCapForm : public GeometryEditorForm {
    Q_OBJECT
public:
    EndCapForm(DesignRecord& design, UserMessages& messages, QWidget* parent = nullptr);

protected:
    void ShowModel() override;
    SketchShape Shape() const override;
    void StorePlacement() override;

private:
    EndcapEditorModel& endcap() { return static_cast<EndcapEditorModel&>(model()); }
    const EndcapEditorModel& endcap() const {
        return static_cast<const EndcapEditorModel&>(model());
    }
    void BuildLoadOptions();

    QCheckBox* uniformLoadCheck_ = nullptr;
    QCheckBox* lineLoadCheck_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QGroupBox* loadFrame_ = nullptr;
    QRadioButton* loadOpt_[2] = {};
    QLabel* loadLabels_[3] = {};  // fields 4, 6 and 7
};

}  // namespace tidewell
