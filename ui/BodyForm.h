// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The body editor: the tube, sphere or hemisphere dimensions, their volumes, and for the tube the
// pipe size table.

#include <QPointer>

#include "forms/BodyEditorModel.h"
#include "ui/GeometryEditorForm.h"

namespace tidewell {

class PIPEIDFORM;

class BodyForm : public GeometryEditorForm {
    Q_OBJECT
public:
    BodyForm(DesignRecord& design, UserMessages& messages, QWidget* parent = nullptr);

    // The pipe size table while it is open.
    PIPEIDFORM* PipeTable() const;

    // "Pipe Tables": empties the I.D. and O.D. and opens the table.
    void PipeButton_Click();
    void ClosePipeTable() { CloseCompanions(); }

protected:
    void ShowModel() override;
    SketchShape Shape() const override;
    void StorePlacement() override;
    void CloseCompanions() override;

private:
    BodyEditorModel& body() { return static_cast<BodyEditorModel&>(model()); }
    const BodyEditorModel& body() const { return static_cast<const BodyEditorModel&>(model()); }
    void PipePicked(int row, int column);

    QPointer<PIPEIDFORM> pipeTable_;
    QPushButton* pipeButton_ = nullptr;
    QLabel* volume_ = nullptr;
    QLabel* matVolume_ = nullptr;
};

}  // namespace tidewell
