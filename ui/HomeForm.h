// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The design form: the project's title, designer and description, the analysis type (a body or an
// endcap alone), the endcap with its edge restraint, the material, pressure source, unit system
// and the two analysis options. Every user edit is written into the design record at once through
// the core operations; filling the form from the record is not an edit.

#include <QWidget>

#include "analysis/DesignOperations.h"
#include "analysis/DesignRecord.h"
#include "project/DesignFormState.h"
#include "units/UserMessages.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tidewell {

// Window positions and sizes are kept in twips; 15 twips are one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

class HomeForm : public QWidget {
    Q_OBJECT
public:
    HomeForm(DesignRecord& design, UserMessages& messages, QWidget* parent = nullptr);

    // Fills the analysis-type and endcap lists (the first step of loading the form).
    void FillLists();

    // Carries out what a core design operation asks of the windows.
    void ApplyActions(const DesignUiActions& actions);

    // Shows the design record in every control without running the edit handling (the material
    // label shows MaterialName).
    void ShowDesign();

    // Shows a form state (after a project was read or the preferences applied) without running
    // the edit handling; the edge-restraint list is the one of the record's endcap.
    void ShowState(const DesignFormState& state);

    // What the controls show now.
    DesignFormState State() const;

    void SetCaption(const std::string& caption);

    // Moves the form to HomeFormLeft, HomeFormTop, and stores its current place there.
    void MoveToStoredPosition();
    void StorePosition();

    // The "Enter Geometry" buttons and "Choose" work only when their windows exist.
    void SetGeometryEditorsAvailable(bool available);
    void SetMaterialChooserAvailable(bool available);

    void FocusTitle();

    // The materials window put a material's name into the label (empty: none). A change marks the
    // project changed and closes the results.
    void SetMaterialLabel(const std::string& name);

    // Lets the program close the form at the end of a run; the user cannot close it.
    void AllowClose() { closeAllowed_ = true; }

    // The "Enter Geometry" button of the endcap: refuses while no endcap or, for a plate, no edge
    // restraint is chosen.
    void ShowEndcap_Click();

signals:
    // Windows to close or other effects of a design change, for the main window.
    void designActionsRequested(const tidewell::DesignUiActions& actions);
    void bodyMenuEnabled(bool enabled);
    void endcapMenuEnabled(bool enabled);
    void bodyEditorRequested();
    void endcapEditorRequested();
    void materialsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void Title_Change(const QString& text);
    void Designer_Change(const QString& text);
    void Description_Change(const QString& text);
    void OptionCheck_Click();
    void PresSourceBox_Click(int index);
    void UnitChoiceBox_Click(int index);
    void BodyBox_Click(int index);
    void EndCapBox_Click(int index);
    void EdgeFix_Click(int index);
    void ShowBody_Click();
    void MarkChangedAndCloseResults();
    void SetRestraintList(const RestraintListUpdate& list);
    void UpdateVisibility();

    DesignRecord& design_;
    UserMessages& messages_;
    bool closeAllowed_ = false;
    bool editorsAvailable_ = false;

    QLineEdit* title_ = nullptr;
    QLineEdit* designer_ = nullptr;
    QLineEdit* description_ = nullptr;
    QCheckBox* workStrengthChk_ = nullptr;
    QCheckBox* forceThickChk_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* material_ = nullptr;
    QRadioButton* presSourceBox_[2] = {};
    QComboBox* bodyBox_ = nullptr;
    QPushButton* showBody_ = nullptr;
    QGroupBox* endcapInfo_ = nullptr;
    QComboBox* endCapBox_ = nullptr;
    QGroupBox* restraintFrame_ = nullptr;
    QComboBox* edgeFix_ = nullptr;
    QPushButton* showEndcap_ = nullptr;
    QRadioButton* unitChoiceBox_[2] = {};
};

}  // namespace tidewell
