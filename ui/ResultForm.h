// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results window: the grid of the analysis, the failure pressures, weights, material and a
// unit list for every kind of quantity. Every choice the user makes goes to the window's model,
// which re-runs the analysis; the window shows what the model returns.

#include <QWidget>
#include <array>

#include "analysis/DesignRecord.h"
#include "forms/CollapseEstimateModel.h"
#include "forms/ResultFormModel.h"
#include "forms/SafetyFactorsModel.h"
#include "project/MemorySettingsStore.h"
#include "ui/FileDialogs.h"
#include "units/UserMessages.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableWidget;

namespace tidewell {

class ResultForm : public QWidget {
    Q_OBJECT
public:
    // settings keeps the safety factors between runs (none: kept only while the window lives).
    ResultForm(DesignRecord& design, UserMessages& messages, FileDialogs& dialogs,
               QWidget* parent = nullptr, SettingsStore* settings = nullptr);

    // The window became the active child window: the design is checked again and the analysis
    // re-run; an invalid design closes the window after its message.
    void Activated();

    // The last completed analysis as the window shows it (for the report and the clipboard).
    const ResultsView& View() const { return model_.View(); }
    // The window's lists and boxes (the report quotes the weight unit and the evaluation box).
    const ResultFormModel& Model() const { return model_; }

    // Copies the selected cells of the grid, or the whole grid with its header rows when none is
    // selected, as tab-separated text. CopyFromGrid does so only while the grid has the focus.
    void CopyCells();
    bool CopyFromGrid();

    // The collapse estimate's block the report adds after its failure results, as the window shows
    // it; empty where the group is not shown.
    std::vector<std::vector<std::string>> CollapseReportLines();

    // The rating block the report adds after its failure results; empty without factors.
    std::vector<std::vector<std::string>> RatingReportLines();

    // The "Report" button works once printing is wired to reportRequested.
    void SetReportAvailable(bool available);

    // Where the housing's endcap project is opened from.
    void SetProjectPlaces(const std::string& programFolder, const std::string& materialsFile);

signals:
    void reportRequested();
    // The window is about to close (its frame still stands).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QComboBox* AddUnitList(ResultUnitList list, const char* name, const QString& accessibleName);
    void FillLists();
    void UnitList_Click(ResultUnitList list, int index);
    void DistortionRange_Click(int index);
    void FitRange_Click();
    void FailOption_Click(int index);
    void ReCalc_Click();
    void GraphButton_Click();
    void Rebuild();
    void ShowView(const ResultsView& view);
    void FillGrid(const ResultsView& view);
    void ShowFailureFrame(const ResultsView& view);
    void CloseLater();
    QGroupBox* BuildSafetyFrame();
    void SafetyText_Commit(SafetyField field);
    void HousingEndcap_Click();
    void HousingEndcapClear_Click();
    void ShowHousingEndcap();
    void KeepCaptionsWhole();
    void ShowRating();
    void ChartButton_Click();
    QGroupBox* BuildCollapseFrame();
    void OutOfRoundText_Commit();
    void ShowCollapse(const ResultsView& view);

    UserMessages& messages_;
    FileDialogs& dialogs_;
    ResultFormModel model_;

    std::array<QComboBox*, kResultUnitListCount> unitLists_{};
    QComboBox* distortionRange_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* graphButton_ = nullptr;
    QLineEdit* wtAir_ = nullptr;
    QLineEdit* wtWater_ = nullptr;
    QLabel* materialType_ = nullptr;
    QLabel* ultimate_ = nullptr;
    QTableWidget* anaGrid_ = nullptr;
    QGroupBox* failFrame_ = nullptr;
    std::array<QRadioButton*, 4> failType_{};
    QLabel* evalRadiusLbl_ = nullptr;
    QLabel* evalRadiusLbl2_ = nullptr;
    QGroupBox* aEndFailFrame_ = nullptr;
    std::array<QRadioButton*, 5> aEndFailType_{};
    QLabel* aEndEvalRadiusLbl_ = nullptr;
    QLineEdit* aEndReval_ = nullptr;
    QPushButton* reCalc_ = nullptr;

    // The safety factors group: the factors live in the preferences, not in the project.
    DesignRecord& design_;
    MemorySettingsStore windowSettings_;
    SafetyFactorsModel safety_;
    std::array<QLineEdit*, 2> safetyText_{};
    QLabel* ratedPressureLbl_ = nullptr;
    QLabel* ratedDepthLbl_ = nullptr;
    QLabel* governingModeLbl_ = nullptr;
    QLabel* housingRatingLbl_ = nullptr;
    QLabel* housingEndcapLbl_ = nullptr;

    // The collapse estimate group: the out-of-roundness lives in the preferences, as the factors.
    CollapseEstimateModel collapse_;
    QGroupBox* collapseFrame_ = nullptr;
    std::array<QLabel*, 5>
        collapseFigures_{};  // elastic, yield, interaction, out-of-round, estimate
    QLabel* outOfRoundLbl_ = nullptr;
    QLineEdit* outOfRoundText_ = nullptr;
    QWidget* housingEndcapRow_ = nullptr;
    QLineEdit* housingEndcapText_ = nullptr;
    QPushButton* housingEndcapClear_ = nullptr;
    QLabel* advisoryLbl_ = nullptr;
    QScrollArea* advisoryScroll_ = nullptr;
    QPushButton* chartButton_ = nullptr;
};

}  // namespace tidewell
