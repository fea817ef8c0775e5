// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ResultForm.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

#include "forms/GridCopy.h"
#include "ui/AEndGraphForm.h"
#include "ui/BusyCursor.h"
#include "ui/HomeForm.h"
#include "ui/QtText.h"
#include "ui/ResultsChartForm.h"

namespace tidewell {

namespace {

// The failed rows are shaded lightly, so that the selection stays the user's own.
const QColor kFailedShade(255, 228, 225);

// Size at loading and the smallest size, in twips.
constexpr int kLoadWidthTwips = 8175;
constexpr int kLoadHeightTwips = 6480;
constexpr int kMinWidthTwips = 8190;
constexpr int kMinHeightTwips = 4800;

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(text);
    return label;
}

// Copies the grid with Ctrl+C (or the platform's copy key) while it has the focus.
class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(ResultForm* form, QObject* parent) : QObject(parent), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            form_->CopyCells();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ResultForm* form_;
};

}  // namespace

ResultForm::ResultForm(DesignRecord& design, UserMessages& messages, FileDialogs& dialogs,
                       QWidget* parent, SettingsStore* settings)
    : QWidget(parent),
      messages_(messages),
      dialogs_(dialogs),
      model_(design),
      design_(design),
      safety_(settings != nullptr ? *settings : windowSettings_),
      collapse_(settings != nullptr ? *settings : windowSettings_) {
    setObjectName(QStringLiteral("ResultForm"));
    setAccessibleName(QStringLiteral("Analysis results"));
    setWindowTitle(QStringLiteral("Analysis"));
    BuildControls();
    FillLists();
    // The size at loading, or what this platform's fonts need to show every control once the lists
    // hold their entries; never so small that captions are cut.
    resize(QSize(kLoadWidthTwips / kTwipsPerPixel, kLoadHeightTwips / kTwipsPerPixel)
               .expandedTo(sizeHint()));
    setMinimumSize(QSize(kMinWidthTwips / kTwipsPerPixel, kMinHeightTwips / kTwipsPerPixel)
                       .expandedTo(minimumSizeHint()));
}

QComboBox* ResultForm::AddUnitList(ResultUnitList list, const char* name,
                                   const QString& accessibleName) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    unitLists_[static_cast<size_t>(list)] = box;
    // Only the user's own choice runs the handling: filling the lists is not a choice.
    connect(box, &QComboBox::activated, this,
            [this, list](int index) { UnitList_Click(list, index); });
    return box;
}

void ResultForm::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    auto* frame3 = new QGroupBox(QStringLiteral("Units:"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* unitsGrid = new QGridLayout(frame3);
    const struct {
        ResultUnitList list;
        const char* name;
        const char* label;
        const char* caption;
    } unitRows[] = {
        {ResultUnitList::PressUnits, "PressUnits", "Label7", "Pressure"},
        {ResultUnitList::DepthUnits, "DepthUnits", "Label8", "Depth"},
        {ResultUnitList::StressUnits, "StressUnits", "Label9", "Stress"},
        {ResultUnitList::DeflectionUnits, "DeflectionUnits", "Label10", "Linear Deflection"},
        {ResultUnitList::AngleDeflectUnits, "AngleDeflectUnits", "Label11", "Angle Deflection"},
    };
    int row = 0;
    for (const auto& unit : unitRows) {
        const QString caption = QLatin1String(unit.caption);
        unitsGrid->addWidget(NamedLabel(unit.label, caption, frame3), row, 0);
        unitsGrid->addWidget(AddUnitList(unit.list, unit.name, caption + QStringLiteral(" unit")),
                             row, 1);
        ++row;
    }
    top->addWidget(frame3);

    auto* frame2 = new QGroupBox(QStringLiteral("Weight"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* weightGrid = new QGridLayout(frame2);
    auto weightBox = [frame2](const char* name, const QString& accessibleName) {
        auto* box = new QLineEdit(frame2);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(accessibleName);
        box->setReadOnly(true);
        return box;
    };
    wtAir_ = weightBox("WtAir", QStringLiteral("Weight in air"));
    wtWater_ = weightBox("WtWater", QStringLiteral("Weight in water"));
    weightGrid->addWidget(NamedLabel("Label3", QStringLiteral("Air Wt"), frame2), 0, 0);
    weightGrid->addWidget(wtAir_, 0, 1);
    weightGrid->addWidget(NamedLabel("Label4", QStringLiteral("Water Wt"), frame2), 1, 0);
    weightGrid->addWidget(wtWater_, 1, 1);
    weightGrid->addWidget(NamedLabel("Label6", QStringLiteral("Units"), frame2), 2, 0);
    weightGrid->addWidget(
        AddUnitList(ResultUnitList::WtUnits, "WtUnits", QStringLiteral("Weight unit")), 2, 1);
    top->addWidget(frame2);

    auto* frame1 = new QGroupBox(QStringLiteral("Material"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* materialColumn = new QVBoxLayout(frame1);
    materialType_ = NamedLabel("MaterialType", QString(), frame1);
    materialType_->setAccessibleName(QStringLiteral("Material"));
    ultimate_ = NamedLabel("Ultimate", QString(), frame1);
    ultimate_->setAccessibleName(QStringLiteral("Material strength"));
    materialColumn->addWidget(materialType_);
    materialColumn->addWidget(ultimate_);
    materialColumn->addStretch();
    top->addWidget(frame1, 1);

    auto* rangeColumn = new QVBoxLayout;
    rangeColumn->addWidget(NamedLabel("Label13", QStringLiteral("Pressure Range:"), this));
    distortionRange_ = new QComboBox(this);
    distortionRange_->setObjectName(QStringLiteral("DistortionRange"));
    distortionRange_->setAccessibleName(QStringLiteral("Pressure range"));
    distortionRange_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(distortionRange_, &QComboBox::activated, this, &ResultForm::DistortionRange_Click);
    rangeColumn->addWidget(distortionRange_);
    rangeColumn->addWidget(AddUnitList(ResultUnitList::DistortionUnits, "DistortionUnits",
                                       QStringLiteral("Pressure range unit")));
    // A new user does not know that near-zero stresses mean a range far below the failure.
    auto* fitRange = new QPushButton(QStringLiteral("Fit"), this);
    fitRange->setObjectName(QStringLiteral("FitRange"));
    fitRange->setAccessibleName(QStringLiteral("Fit the pressure range to the failure pressure"));
    fitRange->setToolTip(fitRange->accessibleName());
    connect(fitRange, &QPushButton::clicked, this, &ResultForm::FitRange_Click);
    rangeColumn->addWidget(fitRange);
    rangeColumn->addStretch();
    top->addLayout(rangeColumn);

    auto* buttons = new QVBoxLayout;
    auto button = [this, buttons](const char* name, const QString& caption) {
        auto* pressed = new QPushButton(caption, this);
        pressed->setObjectName(QLatin1String(name));
        pressed->setAccessibleName(caption);
        buttons->addWidget(pressed);
        return pressed;
    };
    printButton_ = button("PrintButton", QStringLiteral("Report"));
    graphButton_ = button("GraphButton", QStringLiteral("Graph"));
    chartButton_ = button("ChartButton", QStringLiteral("Chart"));
    connect(chartButton_, &QPushButton::clicked, this, &ResultForm::ChartButton_Click);
    QPushButton* done = button("Command1", QStringLiteral("Done"));
    buttons->addStretch();
    top->addLayout(buttons);
    SetReportAvailable(false);
    connect(printButton_, &QPushButton::clicked, this, &ResultForm::reportRequested);
    connect(graphButton_, &QPushButton::clicked, this, &ResultForm::GraphButton_Click);
    connect(done, &QPushButton::clicked, this, [this] { CloseLater(); });

    anaGrid_ = new QTableWidget(this);
    anaGrid_->setObjectName(QStringLiteral("AnaGrid"));
    anaGrid_->setAccessibleName(QStringLiteral("Results table"));
    anaGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    anaGrid_->verticalHeader()->hide();
    anaGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    anaGrid_->installEventFilter(new CopyKeyFilter(this, anaGrid_));
    layout->addWidget(anaGrid_, 1);

    // The two failure frames share one place; a run shows exactly one of them.
    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    auto* failPlace = new QGridLayout;
    bottom->addLayout(failPlace, 1);

    // A failure frame with its option buttons, one per line: "FailType_1", ...
    auto failureFrame = [this](const char* name, const char* optionName, auto& options) {
        auto* frame = new QGroupBox(QStringLiteral("Theoretical Failure:"), this);
        frame->setObjectName(QLatin1String(name));
        auto* grid = new QGridLayout(frame);
        for (int i = 0; i < static_cast<int>(options.size()); ++i) {
            auto* option = new QRadioButton(frame);
            option->setObjectName(
                QStringLiteral("%1_%2").arg(QLatin1String(optionName)).arg(i + 1));
            option->setAccessibleName(QStringLiteral("Failure mode %1").arg(i + 1));
            options[static_cast<size_t>(i)] = option;
            grid->addWidget(option, i, 0, 1, 2);
            connect(option, &QRadioButton::clicked, this, [this, i] { FailOption_Click(i + 1); });
        }
        return std::pair{frame, grid};
    };
    QGridLayout* failGrid = nullptr;
    std::tie(failFrame_, failGrid) = failureFrame("FailFrame", "FailType", failType_);
    // The pressures stand in the option captions; these labels of the older layout stay empty.
    for (const char* name :
         {"YieldFail", "SeatFail", "BucklingFail", "BucklingFailNodes", "YieldEqLbl"}) {
        NamedLabel(name, QString(), failFrame_)->hide();
    }
    NamedLabel("Label2", QStringLiteral("by"), failFrame_)->hide();
    NamedLabel("Label5", QStringLiteral("nodes."), failFrame_)->hide();
    evalRadiusLbl_ = NamedLabel("EvalRadiusLbl", QString(), failFrame_);
    evalRadiusLbl2_ = NamedLabel("EvalRadiusLbl2", QString(), failFrame_);
    failGrid->addWidget(evalRadiusLbl_, 4, 0, 1, 2);
    failGrid->addWidget(evalRadiusLbl2_, 5, 0, 1, 2);
    auto* failUnitsRow = new QHBoxLayout;
    failUnitsRow->addWidget(NamedLabel("Label1", QStringLiteral("Fail value units:"), failFrame_));
    failUnitsRow->addWidget(
        AddUnitList(ResultUnitList::FailUnits, "FailUnits", QStringLiteral("Fail value unit")));
    failUnitsRow->addStretch();
    failGrid->addLayout(failUnitsRow, 6, 0, 1, 2);
    failPlace->addWidget(failFrame_, 0, 0);

    QGridLayout* aEndGrid = nullptr;
    std::tie(aEndFailFrame_, aEndGrid) =
        failureFrame("AEndFailFrame", "AEndFailType", aEndFailType_);
    auto* evalRow = new QHBoxLayout;
    aEndEvalRadiusLbl_ = NamedLabel(
        "AEndEvalRadiusLbl", QStringLiteral("Table evaluation dia., inches:"), aEndFailFrame_);
    aEndReval_ = new QLineEdit(aEndFailFrame_);
    aEndReval_->setObjectName(QStringLiteral("AEndReval"));
    aEndReval_->setAccessibleName(QStringLiteral("Table evaluation diameter"));
    aEndReval_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.0000")));
    reCalc_ = new QPushButton(QStringLiteral("ReCalc"), aEndFailFrame_);
    reCalc_->setObjectName(QStringLiteral("ReCalc"));
    reCalc_->setAccessibleName(QStringLiteral("ReCalc"));
    reCalc_->setEnabled(false);
    evalRow->addWidget(aEndEvalRadiusLbl_);
    evalRow->addWidget(aEndReval_);
    evalRow->addWidget(reCalc_);
    evalRow->addSpacing(12);
    evalRow->addWidget(NamedLabel("Label16", QStringLiteral("Fail value units:"), aEndFailFrame_));
    evalRow->addWidget(AddUnitList(ResultUnitList::AEndFailUnits, "AEndFailUnits",
                                   QStringLiteral("Fail value unit")));
    evalRow->addStretch();
    aEndGrid->addLayout(evalRow, 5, 0);
    failPlace->addWidget(aEndFailFrame_, 0, 0);
    aEndFailFrame_->hide();
    connect(aEndReval_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.EvalTextEdited(FromQ(text));
        reCalc_->setEnabled(model_.RecalcEnabled());
    });
    connect(reCalc_, &QPushButton::clicked, this, &ResultForm::ReCalc_Click);

    bottom->addWidget(BuildSafetyFrame());
    bottom->addWidget(BuildCollapseFrame());
}

void ResultForm::FillLists() {
    model_.Load();
    for (int i = 0; i < kResultUnitListCount; ++i) {
        QComboBox* box = unitLists_[static_cast<size_t>(i)];
        const ChoiceList& list = model_.UnitList(static_cast<ResultUnitList>(i));
        const QSignalBlocker blocker(box);
        box->clear();
        for (const std::string& entry : list.entries) box->addItem(ToQ(entry));
        box->setCurrentIndex(list.selected);
    }
    const QSignalBlocker blocker(distortionRange_);
    distortionRange_->clear();
    for (const std::string& entry : model_.RangeList().entries)
        distortionRange_->addItem(ToQ(entry));
    distortionRange_->setCurrentIndex(model_.RangeList().selected);
}

void ResultForm::SetReportAvailable(bool available) {
    printButton_->setEnabled(available);
    printButton_->setToolTip(available ? QString()
                                       : QStringLiteral("Printing is not part of this build."));
}

void ResultForm::UnitList_Click(ResultUnitList list, int index) {
    if (!model_.UnitChosen(list, index)) return;
    // The choice may have changed the partner failure list or the range list.
    FillLists();
    Rebuild();
}

void ResultForm::DistortionRange_Click(int index) {
    if (model_.RangeChosen(index)) Rebuild();
}

void ResultForm::FitRange_Click() {
    if (model_.FitRange()) Rebuild();
}

void ResultForm::FailOption_Click(int index) {
    const size_t governing = static_cast<size_t>(model_.FailOptionClicked(index) - 1);
    const bool annular = model_.View().annularFrameShown;
    if (governing >= (annular ? aEndFailType_.size() : failType_.size())) return;
    QRadioButton* option = annular ? aEndFailType_[governing] : failType_[governing];
    option->setChecked(true);
    option->setFocus();
}

void ResultForm::ReCalc_Click() {
    if (model_.ReCalcPressed(messages_)) Rebuild();
}

void ResultForm::GraphButton_Click() {
    AEndGraphForm graph(model_.View().plateStressTable, messages_, dialogs_, this);
    graph.exec();
}

void ResultForm::Activated() {
    if (const std::optional<Message> fault = model_.ActivationFault()) {
        messages_.Show(*fault);
        CloseLater();
        return;
    }
    Rebuild();
}

void ResultForm::Rebuild() {
    {
        const BusyCursor busy;
        model_.SetOutOfRoundness(collapse_.OutOfRoundness(design_));
        const ResultsView& view = model_.Rebuild(messages_);
        // A new project's first run may have fitted the range.
        distortionRange_->setCurrentIndex(model_.RangeList().selected);
        if (!view.Ok()) {
            messages_.Show(*view.error);
            // No table from an earlier choice may stand under the new units.
            anaGrid_->clear();
            CloseLater();
            return;
        }
        ShowView(view);
    }
    model_.ShowNotices(messages_);
    // The advisories warn with or without safety factors, once for each new design.
    ResultsFormatter format(design_.SignificantDigits, design_.NumericFormat, messages_);
    if (const std::optional<Message> notice = collapse_.AdvisoryNotice(
            design_, model_.View(), model_.Request().pressureUnit, format)) {
        messages_.Show(*notice);
    }
}

void ResultForm::ShowView(const ResultsView& view) {
    setWindowTitle(ToQ(view.caption));
    materialType_->setText(ToQ(view.materialType));
    ultimate_->setText(DisplayText(view.ultimate));
    wtAir_->setText(ToQ(view.weightInAir));
    wtWater_->setText(ToQ(view.weightInWater));
    graphButton_->setVisible(view.graphButtonShown);
    ShowFailureFrame(view);
    FillGrid(view);
    ShowRating();
    ShowCollapse(view);
    KeepCaptionsWhole();
}

void ResultForm::KeepCaptionsWhole() {
    // The run fills captions (failure options, the evaluation label, the rating) and shows one of
    // the failure frames, which can need more room than the window had when it was built: once
    // the layout has taken them in, the window grows rather than cut them, and stays on the area.
    QTimer::singleShot(0, this, [this] {
        const QSize needed =
            minimumSizeHint().expandedTo(QSize(kMinWidthTwips / kTwipsPerPixel, 0));
        const int grow = needed.width() - width();
        QWidget* outer = parentWidget() != nullptr ? parentWidget() : this;
        if (grow > 0) outer->resize(outer->width() + grow, outer->height());
        setMinimumWidth(needed.width());
        if (grow <= 0) return;
        if (QWidget* area = outer->parentWidget()) {
            const int right = outer->x() + outer->width();
            if (right > area->width())
                outer->move(std::max(0, area->width() - outer->width()), outer->y());
        }
    });
}

QGroupBox* ResultForm::BuildSafetyFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Safety factors"), this);
    frame->setObjectName(QStringLiteral("SafetyFrame"));
    frame->setAccessibleName(QStringLiteral("Safety factors"));
    auto* grid = new QGridLayout(frame);
    const char* names[] = {"SafetyStrengthText", "SafetyBucklingText"};
    const QString captions[] = {QStringLiteral("Strength:"), QStringLiteral("Buckling:")};
    safety_.Load();
    for (int i = 0; i < 2; ++i) {
        auto* field = new QLineEdit(frame);
        field->setObjectName(QLatin1String(names[i]));
        field->setAccessibleName(QStringLiteral("Safety factor on ") +
                                 captions[i].chopped(1).toLower());
        field->setPlaceholderText(QStringLiteral("off"));
        // A factor is a short number: the field leaves the room to the failure captions.
        field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 16);
        field->setText(ToQ(safety_.Text(static_cast<SafetyField>(i))));
        safetyText_[static_cast<size_t>(i)] = field;
        grid->addWidget(
            NamedLabel(i == 0 ? "SafetyStrengthLbl" : "SafetyBucklingLbl", captions[i], frame), 0,
            2 * i);
        grid->addWidget(field, 0, 2 * i + 1);
        connect(field, &QLineEdit::editingFinished, this,
                [this, i] { SafetyText_Commit(static_cast<SafetyField>(i)); });
    }
    // A tube or sphere is rated with its endcap, kept in a project of its own, as one housing.
    housingEndcapText_ = new QLineEdit(frame);
    housingEndcapText_->setObjectName(QStringLiteral("HousingEndcapText"));
    housingEndcapText_->setAccessibleName(QStringLiteral("Housing endcap project"));
    housingEndcapText_->setReadOnly(true);
    housingEndcapText_->setPlaceholderText(QStringLiteral("none"));
    housingEndcapText_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("M")) * 8);
    auto* choose = new QPushButton(QStringLiteral("Choose..."), frame);
    choose->setObjectName(QStringLiteral("HousingEndcapButton"));
    choose->setAccessibleName(QStringLiteral("Choose the housing's endcap project"));
    housingEndcapClear_ = new QPushButton(QStringLiteral("Clear"), frame);
    housingEndcapClear_->setObjectName(QStringLiteral("HousingEndcapClear"));
    housingEndcapClear_->setAccessibleName(QStringLiteral("No housing endcap"));
    connect(choose, &QPushButton::clicked, this, &ResultForm::HousingEndcap_Click);
    connect(housingEndcapClear_, &QPushButton::clicked, this,
            &ResultForm::HousingEndcapClear_Click);
    auto* endcapRow = new QHBoxLayout;
    endcapRow->addWidget(housingEndcapText_, 1);
    endcapRow->addWidget(choose);
    endcapRow->addWidget(housingEndcapClear_);
    housingEndcapLbl_ = NamedLabel("HousingEndcapLbl", QStringLiteral("Endcap:"), frame);
    housingEndcapRow_ = new QWidget(frame);
    housingEndcapRow_->setLayout(endcapRow);
    endcapRow->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(housingEndcapLbl_, 1, 0);
    grid->addWidget(housingEndcapRow_, 1, 1, 1, 4);
    grid->setColumnStretch(4, 1);  // the factor fields stay together on the left
    ShowHousingEndcap();

    ratedPressureLbl_ = NamedLabel("RatedPressureLbl", QString(), frame);
    ratedDepthLbl_ = NamedLabel("RatedDepthLbl", QString(), frame);
    governingModeLbl_ = NamedLabel("GoverningModeLbl", QString(), frame);
    housingRatingLbl_ = NamedLabel("HousingRatingLbl", QString(), frame);
    advisoryLbl_ = NamedLabel("AdvisoryLbl", QString(), frame);
    housingRatingLbl_->setWordWrap(true);
    advisoryLbl_->setWordWrap(true);
    int row = 2;
    for (QLabel* label :
         {ratedPressureLbl_, ratedDepthLbl_, governingModeLbl_, housingRatingLbl_}) {
        grid->addWidget(label, row++, 0, 1, 5);
    }
    // The notes of a housing can run long: they scroll within a few lines rather than crowd the
    // table out of the window or run over each other.
    advisoryScroll_ = new QScrollArea(frame);
    advisoryScroll_->setObjectName(QStringLiteral("AdvisoryScroll"));
    advisoryScroll_->setAccessibleName(QStringLiteral("Notes on the rating"));
    advisoryScroll_->setFrameShape(QFrame::NoFrame);
    advisoryScroll_->setWidgetResizable(true);
    advisoryScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    advisoryScroll_->setWidget(advisoryLbl_);
    advisoryScroll_->setMaximumHeight(fontMetrics().lineSpacing() * 6 + 4);
    advisoryScroll_->hide();
    grid->addWidget(advisoryScroll_, row++, 0, 1, 5);
    grid->setRowStretch(row, 1);  // the rows keep together at the top of the group
    return frame;
}

void ResultForm::SafetyText_Commit(SafetyField field) {
    QLineEdit* edit = safetyText_[static_cast<size_t>(field)];
    const bool changed = safety_.FieldCommitted(field, FromQ(edit->text()), messages_);
    edit->setText(ToQ(safety_.Text(field)));
    if (changed && model_.View().Ok()) ShowRating();
}

void ResultForm::SetProjectPlaces(const std::string& programFolder,
                                  const std::string& materialsFile) {
    safety_.SetPlaces(programFolder, materialsFile);
}

void ResultForm::HousingEndcap_Click() {
    FileDialogSetup setup;
    setup.filter = "Project (*.prj)|*.prj";
    setup.defaultExtension = "prj";
    setup.fileName = safety_.EndcapProject(design_);
    const std::optional<std::string> chosen = dialogs_.OpenFile(setup);
    if (!chosen) return;
    safety_.SetEndcapProject(design_, *chosen);
    ShowHousingEndcap();
    if (model_.View().Ok()) ShowRating();
}

void ResultForm::HousingEndcapClear_Click() {
    safety_.SetEndcapProject(design_, "");
    ShowHousingEndcap();
    if (model_.View().Ok()) ShowRating();
}

void ResultForm::ShowHousingEndcap() {
    const QString path = ToQ(safety_.EndcapProject(design_));
    housingEndcapText_->setText(QFileInfo(path).fileName());
    housingEndcapText_->setToolTip(path);
    housingEndcapClear_->setEnabled(!path.isEmpty());
}

void ResultForm::ShowRating() {
    // An endcap project completes a housing only for a tube; the row shows this project's choice.
    const bool tube = design_.BodyType == kTubeBody;
    housingEndcapLbl_->setVisible(tube);
    housingEndcapRow_->setVisible(tube);
    ShowHousingEndcap();
    const RatingShown shown = safety_.Rate(design_, model_.Request(), messages_);
    std::string advisories = shown.error.value_or("");
    for (const std::string& text : shown.advisories) {
        advisories += (advisories.empty() ? "" : "\n") + std::string("Note: ") + text;
    }
    const std::pair<QLabel*, std::string> texts[] = {{ratedPressureLbl_, shown.ratedPressure},
                                                     {ratedDepthLbl_, shown.ratedDepth},
                                                     {governingModeLbl_, shown.governingMode},
                                                     {housingRatingLbl_, shown.housing},
                                                     {advisoryLbl_, advisories}};
    for (const auto& [label, text] : texts) {
        label->setText(ToQ(text));
        label->setAccessibleName(text.empty() ? label->objectName() : ToQ(text));
        label->setVisible(!text.empty());
    }
    advisoryScroll_->setVisible(!advisories.empty());
}

std::vector<std::vector<std::string>> ResultForm::RatingReportLines() {
    return safety_.ReportLines(design_, model_.Request(), messages_);
}

QGroupBox* ResultForm::BuildCollapseFrame() {
    collapseFrame_ = new QGroupBox(QStringLiteral("Collapse estimate"), this);
    collapseFrame_->setObjectName(QStringLiteral("CollapseFrame"));
    collapseFrame_->setAccessibleName(QStringLiteral("Collapse estimate"));
    auto* grid = new QGridLayout(collapseFrame_);
    collapse_.Load();
    outOfRoundLbl_ =
        NamedLabel("OutOfRoundLbl", QStringLiteral("Out-of-roundness, %:"), collapseFrame_);
    outOfRoundText_ = new QLineEdit(collapseFrame_);
    outOfRoundText_->setObjectName(QStringLiteral("OutOfRoundText"));
    outOfRoundText_->setAccessibleName(
        QStringLiteral("Out-of-roundness of the tube, (D max - D min) / D in percent"));
    outOfRoundText_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) +
                                   16);
    outOfRoundText_->setText(ToQ(collapse_.FieldText(design_)));
    connect(outOfRoundText_, &QLineEdit::editingFinished, this, &ResultForm::OutOfRoundText_Commit);
    grid->addWidget(outOfRoundLbl_, 0, 0);
    grid->addWidget(outOfRoundText_, 0, 1);
    grid->setColumnStretch(2, 1);
    const char* names[] = {"CollapseElasticLbl", "CollapseYieldLbl", "CollapseInteractionLbl",
                           "CollapseOutOfRoundLbl", "CollapseEstimateLbl"};
    for (size_t i = 0; i < collapseFigures_.size(); ++i) {
        collapseFigures_[i] = NamedLabel(names[i], QString(), collapseFrame_);
        grid->addWidget(collapseFigures_[i], static_cast<int>(i) + 1, 0, 1, 3);
    }
    grid->setRowStretch(static_cast<int>(collapseFigures_.size()) + 1, 1);
    collapseFrame_->hide();
    return collapseFrame_;
}

void ResultForm::OutOfRoundText_Commit() {
    const bool changed =
        collapse_.FieldCommitted(design_, FromQ(outOfRoundText_->text()), messages_);
    outOfRoundText_->setText(ToQ(collapse_.FieldText(design_)));
    // The estimate is a mode of the rating too: the whole run is worked again.
    if (changed && model_.View().Ok()) Rebuild();
}

void ResultForm::ShowCollapse(const ResultsView& view) {
    ResultsFormatter format(design_.SignificantDigits, design_.NumericFormat, messages_);
    const CollapseShown shown =
        collapse_.Show(view, model_.UnitList(ResultUnitList::FailUnits).Text(), format);
    collapseFrame_->setVisible(shown.visible);
    if (!shown.visible) return;
    collapseFrame_->setTitle(ToQ(shown.title));
    outOfRoundLbl_->setVisible(shown.outOfRoundField);
    outOfRoundText_->setVisible(shown.outOfRoundField);
    outOfRoundText_->setText(ToQ(collapse_.FieldText(design_)));
    for (size_t slot = 0; slot < collapseFigures_.size(); ++slot) {
        QLabel* label = collapseFigures_[slot];
        label->setText(ToQ(shown.lines[slot]));
        label->setAccessibleName(label->text());
        label->setVisible(!shown.lines[slot].empty());
    }
}

std::vector<std::vector<std::string>> ResultForm::CollapseReportLines() {
    const ResultsView& view = model_.View();
    if (!view.Ok() || !view.collapse.assessed) return {};
    ResultsFormatter format(design_.SignificantDigits, design_.NumericFormat, messages_);
    return CollapseBlock(view.collapse, model_.UnitList(ResultUnitList::FailUnits).Text(), format);
}

void ResultForm::ChartButton_Click() {
    if (!model_.View().Ok() || model_.View().cells.empty()) return;
    ResultsChartForm chart(model_.View(), this);
    chart.exec();
}

void ResultForm::ShowFailureFrame(const ResultsView& view) {
    failFrame_->setVisible(!view.annularFrameShown);
    aEndFailFrame_->setVisible(view.annularFrameShown);
    const FailureFrame& failure = view.failure;
    auto showOptions = [&failure](auto& options) {
        for (size_t i = 0; i < options.size(); ++i) {
            const bool known = i < failure.options.size();
            options[i]->setText(known ? ToQ(failure.options[i].caption) : QString());
            options[i]->setVisible(known && failure.options[i].visible);
            options[i]->setAccessibleName(options[i]->text());
            if (static_cast<int>(i) + 1 == failure.selected) options[i]->setChecked(true);
        }
    };
    if (view.annularFrameShown) {
        showOptions(aEndFailType_);
        aEndEvalRadiusLbl_->setText(ToQ(failure.annularEvalLabel));
        aEndReval_->setText(ToQ(model_.EvalText()));
        reCalc_->setEnabled(model_.RecalcEnabled());
    } else {
        showOptions(failType_);
        evalRadiusLbl_->setText(ToQ(failure.evalRadiusLabel));
        evalRadiusLbl2_->setText(ToQ(failure.evalRadiusLabel2));
        evalRadiusLbl_->setVisible(view.evalRadiusLabelsShown);
        evalRadiusLbl2_->setVisible(view.evalRadiusLabelsShown);
    }
}

void ResultForm::FillGrid(const ResultsView& view) {
    const int dataRows = view.rowCount - view.fixedRows;
    anaGrid_->setUpdatesEnabled(false);
    anaGrid_->clearSelection();
    anaGrid_->setColumnCount(view.columnCount);
    anaGrid_->setRowCount(dataRows);
    // The two header rows of the table stand in the column headers, one line each.
    QStringList headers;
    for (int c = 0; c < view.columnCount; ++c) {
        headers << ToQ(view.Cell(0, c)) + QLatin1Char('\n') + ToQ(view.Cell(1, c));
        anaGrid_->setColumnWidth(c, view.columnWidthTwips / kTwipsPerPixel);
    }
    anaGrid_->setHorizontalHeaderLabels(headers);
    const CellBlock& failed = view.highlighted;
    for (int r = 0; r < dataRows; ++r) {
        const int row = r + view.fixedRows;
        for (int c = 0; c < view.columnCount; ++c) {
            QTableWidgetItem* item = anaGrid_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                anaGrid_->setItem(r, c, item);
            }
            item->setText(ToQ(view.Cell(row, c)));
            const bool shaded = view.failureRow >= 0 && row >= failed.firstRow &&
                                row <= failed.lastRow && c >= failed.firstColumn &&
                                c <= failed.lastColumn;
            item->setBackground(shaded ? QBrush(kFailedShade) : QBrush());
        }
    }
    // No number is cut short: a column is widened to its widest cell or header.
    const QAbstractItemView* cells = anaGrid_;  // the table's own measure of its cells
    for (int c = 0; c < view.columnCount; ++c) {
        const int widest =
            std::max(cells->sizeHintForColumn(c), anaGrid_->horizontalHeader()->sectionSizeHint(c));
        if (widest > anaGrid_->columnWidth(c)) anaGrid_->setColumnWidth(c, widest);
    }
    anaGrid_->setUpdatesEnabled(true);
}

void ResultForm::CopyCells() {
    std::vector<GridCell> selected;
    const int fixedRows = model_.View().fixedRows;
    for (const QModelIndex& index : anaGrid_->selectionModel()->selectedIndexes()) {
        selected.emplace_back(index.row() + fixedRows, index.column());
    }
    QApplication::clipboard()->setText(ToQ(TabSeparatedCells(model_.View(), selected)));
}

bool ResultForm::CopyFromGrid() {
    if (!anaGrid_->hasFocus()) return false;
    CopyCells();
    return true;
}

void ResultForm::CloseLater() {
    // Closing from inside an activation or a handler of this window's own controls would pull
    // the window away under them: the close waits for the event loop.
    QPointer<ResultForm> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
            if (!self) return;
            if (auto* frame = qobject_cast<QMdiSubWindow*>(self->parentWidget())) {
                frame->close();
            } else {
                self->close();
            }
        },
        Qt::QueuedConnection);
}

void ResultForm::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

}  // namespace tidewell
