// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HomeForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <iterator>

#include "ui/QtText.h"
#include "ui/SingleLineEdit.h"

namespace tidewell {

namespace {

constexpr int kEndcapOnlyEntry = 2;

// The restraint list the form shows for an endcap code: the one the core builds when that endcap
// is chosen, with the stored restraint selected.
RestraintListUpdate RestraintListFor(int16_t endcapType) {
    RestraintListUpdate list;
    if (endcapType < kFlatAnnularEndcap || endcapType > kFlatCircularEndcap) return list;
    DesignRecord scratch;
    scratch.EndcapType = kNoEndcap;
    const DesignUiActions actions = SelectEndcap(scratch, endcapType - 1);
    if (actions.restraintList) list = *actions.restraintList;
    return list;
}

// Texts from a file or the preferences shown in a one-line box: without control characters, which
// the box would otherwise refuse on every later edit.
QString OneLine(const std::string& text) {
    QString line = ToQ(text);
    QString clean;
    clean.reserve(line.size());
    for (const QChar c : line) {
        if (!HasControlCharacter(QString(c))) clean += c;
    }
    return clean;
}

// The material label is announced as "Material", with the chosen material as its description.
void ShowMaterialName(QLabel* label, const QString& name) {
    label->setText(name);
    label->setAccessibleDescription(name);
}

}  // namespace

HomeForm::HomeForm(DesignRecord& design, UserMessages& messages, QWidget* parent)
    : QWidget(parent), design_(design), messages_(messages) {
    setObjectName(QStringLiteral("HomeForm"));
    BuildControls();
    SetGeometryEditorsAvailable(false);
    SetMaterialChooserAvailable(false);
}

void HomeForm::BuildControls() {
    // Project Parameters
    auto* projectFrame = new QGroupBox(QStringLiteral("Project Parameters"), this);
    projectFrame->setObjectName(QStringLiteral("ProjectFrame"));
    auto* label5 = new QLabel(QStringLiteral("Project Title"), projectFrame);
    label5->setObjectName(QStringLiteral("Label5"));
    title_ = new SingleLineEdit(projectFrame);
    title_->setObjectName(QStringLiteral("Title"));
    auto* designerLabel = new QLabel(QStringLiteral("Project Designer"), projectFrame);
    designerLabel->setObjectName(QStringLiteral("DesignerLabel"));
    designer_ = new SingleLineEdit(projectFrame);
    designer_->setObjectName(QStringLiteral("Designer"));
    auto* projectLab = new QLabel(QStringLiteral("Project Description"), projectFrame);
    projectLab->setObjectName(QStringLiteral("ProjectLab"));
    auto* description = new SingleLineEdit(projectFrame);
    description->SetBeepOnEnter(true);
    description_ = description;
    description_->setObjectName(QStringLiteral("Description"));
    auto* projectLayout = new QGridLayout(projectFrame);
    projectLayout->addWidget(label5, 0, 0);
    projectLayout->addWidget(title_, 0, 1);
    projectLayout->addWidget(designerLabel, 1, 0);
    projectLayout->addWidget(designer_, 1, 1);
    projectLayout->addWidget(projectLab, 2, 0);
    projectLayout->addWidget(description_, 2, 1);

    // Design Parameters
    auto* designFrame = new QGroupBox(QStringLiteral("Design Parameters"), this);
    designFrame->setObjectName(QStringLiteral("DesignFrame"));

    auto* frame5 = new QGroupBox(QStringLiteral("Analysis Options"), designFrame);
    frame5->setObjectName(QStringLiteral("Frame5"));
    workStrengthChk_ = new QCheckBox(QStringLiteral("Use Working Strength for Plastic"), frame5);
    workStrengthChk_->setObjectName(QStringLiteral("WorkStrengthChk"));
    forceThickChk_ = new QCheckBox(QStringLiteral("Force Thick Wall Equations"), frame5);
    forceThickChk_->setObjectName(QStringLiteral("ForceThickChk"));
    auto* frame5Layout = new QVBoxLayout(frame5);
    frame5Layout->addWidget(workStrengthChk_);
    frame5Layout->addWidget(forceThickChk_);

    auto* frame4 = new QGroupBox(QStringLiteral("Material"), designFrame);
    frame4->setObjectName(QStringLiteral("Frame4"));
    command1_ = new QPushButton(QStringLiteral("Choose"), frame4);
    command1_->setObjectName(QStringLiteral("Command1"));
    material_ = new QLabel(frame4);
    material_->setObjectName(QStringLiteral("Material"));
    material_->setTextFormat(Qt::PlainText);
    material_->setFrameShape(QFrame::Panel);
    material_->setFrameShadow(QFrame::Sunken);
    material_->setMinimumWidth(220);
    auto* frame4Layout = new QHBoxLayout(frame4);
    frame4Layout->addWidget(command1_);
    frame4Layout->addWidget(material_, 1);

    auto* frame1 = new QGroupBox(QStringLiteral("Pressure"), designFrame);
    frame1->setObjectName(QStringLiteral("Frame1"));
    presSourceBox_[0] = new QRadioButton(QStringLiteral("Internal"), frame1);
    presSourceBox_[1] = new QRadioButton(QStringLiteral("External"), frame1);
    auto* frame1Layout = new QHBoxLayout(frame1);
    for (int i = 0; i < 2; ++i) {
        presSourceBox_[i]->setObjectName(QStringLiteral("PresSourceBox_%1").arg(i));
        frame1Layout->addWidget(presSourceBox_[i]);
    }
    presSourceBox_[0]->setChecked(true);

    auto* frame3 = new QGroupBox(QStringLiteral("Analysis Type"), designFrame);
    frame3->setObjectName(QStringLiteral("Frame3"));
    bodyBox_ = new QComboBox(frame3);
    bodyBox_->setObjectName(QStringLiteral("BodyBox"));
    showBody_ = new QPushButton(QStringLiteral("Enter Geometry"), frame3);
    showBody_->setObjectName(QStringLiteral("ShowBody"));
    auto* frame3Layout = new QHBoxLayout(frame3);
    frame3Layout->addWidget(bodyBox_, 1);
    frame3Layout->addWidget(showBody_);

    endcapInfo_ = new QGroupBox(QStringLiteral("Endcap Configuration"), designFrame);
    endcapInfo_->setObjectName(QStringLiteral("EndcapInfo"));
    endCapBox_ = new QComboBox(endcapInfo_);
    endCapBox_->setObjectName(QStringLiteral("EndCapBox"));
    restraintFrame_ = new QGroupBox(QStringLiteral("Edge Restraint Options"), endcapInfo_);
    restraintFrame_->setObjectName(QStringLiteral("RestraintFrame"));
    edgeFix_ = new QComboBox(restraintFrame_);
    edgeFix_->setObjectName(QStringLiteral("EdgeFix"));
    edgeFix_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    edgeFix_->setMinimumContentsLength(34);
    auto* restraintLayout = new QVBoxLayout(restraintFrame_);
    restraintLayout->addWidget(edgeFix_);
    showEndcap_ = new QPushButton(QStringLiteral("Enter Geometry"), endcapInfo_);
    showEndcap_->setObjectName(QStringLiteral("ShowEndcap"));
    auto* endcapLayout = new QVBoxLayout(endcapInfo_);
    auto* endcapTop = new QHBoxLayout;
    endcapTop->addWidget(endCapBox_, 1);
    endcapTop->addWidget(showEndcap_);
    endcapLayout->addLayout(endcapTop);
    endcapLayout->addWidget(restraintFrame_);
    endcapLayout->addStretch();

    auto* frame2 = new QGroupBox(QStringLiteral("Units"), designFrame);
    frame2->setObjectName(QStringLiteral("Frame2"));
    unitChoiceBox_[0] = new QRadioButton(QStringLiteral("English"), frame2);
    unitChoiceBox_[1] = new QRadioButton(QStringLiteral("Metric"), frame2);
    auto* frame2Layout = new QHBoxLayout(frame2);
    for (int i = 0; i < 2; ++i) {
        unitChoiceBox_[i]->setObjectName(QStringLiteral("UnitChoiceBox_%1").arg(i));
        frame2Layout->addWidget(unitChoiceBox_[i]);
    }
    unitChoiceBox_[0]->setChecked(true);

    auto* designLayout = new QGridLayout(designFrame);
    designLayout->addWidget(frame3, 0, 0);
    designLayout->addWidget(frame4, 0, 1);
    designLayout->addWidget(endcapInfo_, 1, 0, 3, 1);
    designLayout->addWidget(frame1, 1, 1);
    designLayout->addWidget(frame2, 2, 1);
    designLayout->addWidget(frame5, 3, 1);
    designLayout->setRowStretch(4, 1);

    label5->setBuddy(title_);
    designerLabel->setBuddy(designer_);
    projectLab->setBuddy(description_);
    // A group box names itself as the label of everything inside it: each frame and list gets
    // its own name, so that a screen reader announces it and not the frame around it.
    for (QGroupBox* frame :
         {frame5, frame4, frame1, frame3, endcapInfo_, restraintFrame_, frame2}) {
        frame->setAccessibleName(frame->title());
    }
    bodyBox_->setAccessibleName(QStringLiteral("Analysis Type"));
    endCapBox_->setAccessibleName(QStringLiteral("Endcap"));
    edgeFix_->setAccessibleName(QStringLiteral("Edge Restraint"));
    material_->setAccessibleName(QStringLiteral("Material"));
    // The keyboard goes through the form as the eye does: the project, then the left column
    // (analysis type, endcap), then the right one (material, pressure, units, options).
    QWidget* const tabOrder[] = {title_,
                                 designer_,
                                 description_,
                                 bodyBox_,
                                 showBody_,
                                 endCapBox_,
                                 showEndcap_,
                                 edgeFix_,
                                 command1_,
                                 presSourceBox_[0],
                                 presSourceBox_[1],
                                 unitChoiceBox_[0],
                                 unitChoiceBox_[1],
                                 workStrengthChk_,
                                 forceThickChk_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(projectFrame);
    layout->addWidget(designFrame, 1);
    // Room for every frame, whichever the analysis type hides.
    setMinimumSize(sizeHint());

    // The user's edits only: the program filling the form never runs these.
    connect(title_, &QLineEdit::textEdited, this, &HomeForm::Title_Change);
    connect(designer_, &QLineEdit::textEdited, this, &HomeForm::Designer_Change);
    connect(description_, &QLineEdit::textEdited, this, &HomeForm::Description_Change);
    connect(workStrengthChk_, &QCheckBox::clicked, this, &HomeForm::OptionCheck_Click);
    connect(forceThickChk_, &QCheckBox::clicked, this, &HomeForm::OptionCheck_Click);
    for (int i = 0; i < 2; ++i) {
        connect(presSourceBox_[i], &QRadioButton::clicked, this,
                [this, i] { PresSourceBox_Click(i); });
        connect(unitChoiceBox_[i], &QRadioButton::clicked, this,
                [this, i] { UnitChoiceBox_Click(i); });
    }
    connect(bodyBox_, &QComboBox::activated, this, &HomeForm::BodyBox_Click);
    connect(endCapBox_, &QComboBox::activated, this, &HomeForm::EndCapBox_Click);
    connect(edgeFix_, &QComboBox::activated, this, &HomeForm::EdgeFix_Click);
    connect(showBody_, &QPushButton::clicked, this, &HomeForm::ShowBody_Click);
    connect(showEndcap_, &QPushButton::clicked, this, &HomeForm::ShowEndcap_Click);
    connect(command1_, &QPushButton::clicked, this, &HomeForm::materialsRequested);
}

void HomeForm::FillLists() {
    const QSignalBlocker bodyBlocker(bodyBox_);
    const QSignalBlocker endcapBlocker(endCapBox_);
    bodyBox_->clear();
    bodyBox_->addItems(
        {QStringLiteral("Tube"), QStringLiteral("Sphere"), QStringLiteral("Endcap Only")});
    bodyBox_->setCurrentIndex(-1);
    endCapBox_->clear();
    endCapBox_->addItems({QStringLiteral("Flat Annular"), QStringLiteral("Conical"),
                          QStringLiteral("Hemispherical"), QStringLiteral("Flat Circular")});
    endCapBox_->setCurrentIndex(-1);
}

void HomeForm::ApplyActions(const DesignUiActions& actions) {
    if (actions.clearIdentification) {
        title_->clear();
        designer_->clear();
        description_->clear();
    }
    if (actions.titleText) title_->setText(OneLine(*actions.titleText));
    if (actions.clearCheckBoxes) {
        workStrengthChk_->setChecked(false);
        forceThickChk_->setChecked(false);
    }
    if (actions.clearMaterialLabel) ShowMaterialName(material_, QString());
    if (actions.homeCaption) SetCaption(*actions.homeCaption);
    if (actions.bodySelection) {
        const QSignalBlocker blocker(bodyBox_);
        bodyBox_->setCurrentIndex(*actions.bodySelection);
    }
    if (actions.endcapSelection) {
        const QSignalBlocker blocker(endCapBox_);
        endCapBox_->setCurrentIndex(*actions.endcapSelection);
    }
    if (actions.restraintList) SetRestraintList(*actions.restraintList);
    if (actions.restraintSelection) {
        const QSignalBlocker blocker(edgeFix_);
        edgeFix_->setCurrentIndex(
            *actions.restraintSelection < edgeFix_->count() ? *actions.restraintSelection : -1);
    }
    if (actions.moveHomeForm) MoveToStoredPosition();
    UpdateVisibility();
    emit designActionsRequested(actions);
}

void HomeForm::ShowDesign() {
    DesignFormState state;
    state.title = design_.ProjectTitle;
    state.designer = design_.DesignerName;
    state.description = design_.ProjectDescription;
    state.materialLabel = design_.MaterialName;
    state.workStrengthCheck = design_.UseWorkingStrength != 0 ? 1 : 0;
    state.forceThickCheck = design_.ForceThickWall != 0 ? 1 : 0;
    state.pressureSourceOption = design_.PressureSource != 0 ? 1 : 0;
    state.unitOption = design_.UnitSystem != 0 ? 1 : 0;
    state.bodySelection = BodyListIndexOf(design_);
    if (state.bodySelection == kEndcapOnlyEntry && design_.EndcapType <= kFlatCircularEndcap) {
        state.endcapSelection = design_.EndcapType - 1;
    }
    state.restraintSelection = design_.EdgeRestraint;
    ShowState(state);
}

void HomeForm::ShowState(const DesignFormState& state) {
    title_->setText(OneLine(state.title));
    designer_->setText(OneLine(state.designer));
    description_->setText(OneLine(state.description));
    workStrengthChk_->setChecked(state.workStrengthCheck != 0);
    forceThickChk_->setChecked(state.forceThickCheck != 0);
    presSourceBox_[state.pressureSourceOption != 0 ? 1 : 0]->setChecked(true);
    unitChoiceBox_[state.unitOption != 0 ? 1 : 0]->setChecked(true);
    ShowMaterialName(material_, ToQ(state.materialLabel));
    {
        const QSignalBlocker bodyBlocker(bodyBox_);
        const QSignalBlocker endcapBlocker(endCapBox_);
        bodyBox_->setCurrentIndex(state.bodySelection < bodyBox_->count() ? state.bodySelection
                                                                          : -1);
        endCapBox_->setCurrentIndex(
            state.endcapSelection < endCapBox_->count() ? state.endcapSelection : -1);
    }
    RestraintListUpdate list = state.endcapSelection >= 0 && design_.BodyType == kNoBody
                                   ? RestraintListFor(design_.EndcapType)
                                   : RestraintListUpdate{};
    list.selected = state.restraintSelection;
    SetRestraintList(list);
    UpdateVisibility();
}

DesignFormState HomeForm::State() const {
    DesignFormState state;
    state.title = FromQ(title_->text());
    state.designer = FromQ(designer_->text());
    state.description = FromQ(description_->text());
    state.materialLabel = FromQ(material_->text());
    state.pressureSourceOption = presSourceBox_[1]->isChecked() ? 1 : 0;
    state.unitOption = unitChoiceBox_[1]->isChecked() ? 1 : 0;
    state.forceThickCheck = forceThickChk_->isChecked() ? 1 : 0;
    state.workStrengthCheck = workStrengthChk_->isChecked() ? 1 : 0;
    state.bodySelection = bodyBox_->currentIndex();
    state.endcapSelection = endCapBox_->currentIndex();
    state.restraintSelection = edgeFix_->currentIndex();
    return state;
}

void HomeForm::SetCaption(const std::string& caption) {
    setWindowTitle(ToQ(caption));
}

void HomeForm::MoveToStoredPosition() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->move(design_.HomeFormLeft / kTwipsPerPixel, design_.HomeFormTop / kTwipsPerPixel);
    }
}

void HomeForm::StorePosition() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        design_.HomeFormLeft = frame->x() * kTwipsPerPixel;
        design_.HomeFormTop = frame->y() * kTwipsPerPixel;
    }
}

void HomeForm::SetGeometryEditorsAvailable(bool available) {
    editorsAvailable_ = available;
    const QString why =
        available ? QString() : QStringLiteral("The geometry editors are not part of this build.");
    for (QPushButton* button : {showBody_, showEndcap_}) {
        button->setEnabled(available);
        button->setToolTip(why);
    }
}

void HomeForm::SetMaterialChooserAvailable(bool available) {
    command1_->setEnabled(available);
    command1_->setToolTip(
        available ? QString() : QStringLiteral("The materials window is not part of this build."));
}

void HomeForm::SetMaterialLabel(const std::string& name) {
    if (material_->text() == ToQ(name)) return;
    material_->setText(ToQ(name));
    MarkChangedAndCloseResults();
}

void HomeForm::FocusTitle() {
    title_->setFocus();
}

void HomeForm::closeEvent(QCloseEvent* event) {
    // The form lives for the whole run; only the end of the run closes it.
    if (closeAllowed_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void HomeForm::Title_Change(const QString& text) {
    design_.ProjectTitle = FromQ(text);
    // A new title means a new file name: the next Save asks for one, proposing the title.
    design_.ProjectFilePath.clear();
    design_.ProjectChanged = kTrue;
}

void HomeForm::Designer_Change(const QString& text) {
    design_.DesignerName = FromQ(text);
    design_.ProjectChanged = kTrue;
}

void HomeForm::Description_Change(const QString& text) {
    design_.ProjectDescription = FromQ(text);
    design_.ProjectChanged = kTrue;
}

void HomeForm::MarkChangedAndCloseResults() {
    design_.ProjectChanged = kTrue;
    DesignUiActions actions;
    actions.closeResults = true;
    emit designActionsRequested(actions);
}

void HomeForm::OptionCheck_Click() {
    design_.UseWorkingStrength = workStrengthChk_->isChecked() ? 1 : 0;
    design_.ForceThickWall = forceThickChk_->isChecked() ? 1 : 0;
    MarkChangedAndCloseResults();
}

void HomeForm::PresSourceBox_Click(int index) {
    design_.PressureSource = index == 0 ? 0 : 1;
    MarkChangedAndCloseResults();
}

void HomeForm::UnitChoiceBox_Click(int index) {
    design_.UnitSystem = index == 0 ? 0 : 1;
    MarkChangedAndCloseResults();
}

void HomeForm::BodyBox_Click(int index) {
    ApplyActions(SelectBody(design_, index));
}

void HomeForm::EndCapBox_Click(int index) {
    ApplyActions(SelectEndcap(design_, index));
}

void HomeForm::EdgeFix_Click(int index) {
    DesignUiActions actions;
    actions.closeEndcapEditor = true;
    actions.closeResults = true;
    design_.ProjectChanged = kTrue;
    design_.EdgeRestraint = static_cast<int16_t>(index);
    emit designActionsRequested(actions);
}

void HomeForm::ShowBody_Click() {
    emit bodyEditorRequested();
}

void HomeForm::ShowEndcap_Click() {
    if (endCapBox_->currentIndex() < 0) {
        messages_.Show("Endcap must be selected");
        QApplication::beep();
        return;
    }
    if (!restraintFrame_->isHidden() && edgeFix_->currentIndex() < 0) {
        messages_.Show("Endcap edge restraint must be selected");
        QApplication::beep();
        return;
    }
    emit endcapEditorRequested();
}

void HomeForm::SetRestraintList(const RestraintListUpdate& list) {
    const QSignalBlocker blocker(edgeFix_);
    edgeFix_->clear();
    for (const std::string& entry : list.entries) edgeFix_->addItem(ToQ(entry));
    edgeFix_->setCurrentIndex(
        list.selected >= 0 && list.selected < edgeFix_->count() ? list.selected : -1);
    if (!list.caption.empty()) {
        restraintFrame_->setTitle(ToQ(list.caption));
        restraintFrame_->setAccessibleName(restraintFrame_->title());
    }
}

void HomeForm::UpdateVisibility() {
    const bool hasBody = design_.BodyType > kNoBody;
    const bool hasEndcap = !hasBody && design_.EndcapType > kNoEndcap;
    showBody_->setVisible(hasBody);
    endcapInfo_->setVisible(!hasBody);
    restraintFrame_->setVisible(hasEndcap && !RestraintNamesFor(design_.EndcapType).empty());
    showEndcap_->setVisible(hasEndcap);
    emit bodyMenuEnabled(hasBody);
    emit endcapMenuEnabled(!hasBody);
}

}  // namespace tidewell
