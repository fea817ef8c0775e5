// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stress graph of the flat annular plate: radial and tangential bending stress across the
// plate under 1 ksi, drawn from the plate stress table of the last run. The user can save the
// chart as a PNG image.

#include <QDialog>
#include <string>
#include <vector>

#include "analysis/AnalysisState.h"
#include "ui/FileDialogs.h"
#include "units/UserMessages.h"

class QChartView;

namespace tidewell {

class AEndGraphForm : public QDialog {
    Q_OBJECT
public:
    AEndGraphForm(const std::vector<PlateStressRow>& table, UserMessages& messages,
                  FileDialogs& dialogs, QWidget* parent = nullptr);

    // Writes the chart as a PNG image (through a temporary file); false after saying why.
    bool SaveImage(const std::string& path);

private:
    void SaveButton_Click();

    UserMessages& messages_;
    FileDialogs& dialogs_;
    QChartView* graph1_ = nullptr;
};

}  // namespace tidewell
