// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A chart of the results table: the column chosen from a list against the pressure or the depth,
// with the first failed row marked.

#include <QDialog>

#include "analysis/ResultsView.h"

class QChartView;
class QComboBox;

namespace tidewell {

class ResultsChartForm : public QDialog {
    Q_OBJECT
public:
    explicit ResultsChartForm(const ResultsView& view, QWidget* parent = nullptr);

private:
    void Redraw();

    const ResultsView view_;
    QComboBox* columnBox_ = nullptr;
    QComboBox* axisBox_ = nullptr;
    QChartView* chartView_ = nullptr;
};

}  // namespace tidewell
