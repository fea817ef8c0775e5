// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EndCapForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/GeometrySketch.h"
#include "ui/QtText.h"
#include "units/Units.h"

namespace tidewell {

namespace {

constexpr int kLoadFields[3] = {EndcapEditorModel::kLineLoadField,
                                EndcapEditorModel::kUniformLoadField,
                                EndcapEditorModel::kLineForceField};
const char* const kLoadLabelNames[3] = {"LLDiameterLabel", "UniLoadIDlabel", "LLODlabel"};

bool InLoadFrame(int field) {
    for (const int load : kLoadFields) {
        if (field == load) return true;
    }
    return false;
}

}  // namespace

EndCapForm::EndCapForm(DesignRecord& design, UserMessages& messages, QWidget* parent)
    : GeometryEditorForm(
          [&design](UserMessages& queued) {
              return std::make_unique<EndcapEditorModel>(design, queued);
          },
          messages, 2, parent) {
    setObjectName(QStringLiteral("EndCapForm"));
    BuildControls([](int field) { return !InLoadFrame(field); });
    BuildLoadOptions();
    // Shown for no endcap: the editor's volumes and the cone's inside height.
    for (const char* name :
         {"VolLabel", "Volume", "MatVolLabel", "MatVolume", "InsideHeightLabel", "InsideHeight"}) {
        auto* hidden = new QLabel(this);
        hidden->setObjectName(QLatin1String(name));
        hidden->setAccessibleName(QLatin1String(name));
        hidden->hide();
    }
    column_->addStretch();
    ShowModel();
}

void EndCapForm::BuildLoadOptions() {
    auto* loads = new QWidget(this);
    loads->setObjectName(QStringLiteral("LoadOptions"));
    auto* loadsLayout = new QVBoxLayout(loads);
    loadsLayout->setContentsMargins(0, 0, 0, 0);
    uniformLoadCheck_ = new QCheckBox(QStringLiteral("Enable Uniform Load"), loads);
    uniformLoadCheck_->setObjectName(QStringLiteral("UniformLoadCheck"));
    lineLoadCheck_ = new QCheckBox(QStringLiteral("Enable Line Load"), loads);
    lineLoadCheck_->setObjectName(QStringLiteral("LineLoadCheck"));
    loadButton_ = new QPushButton(QStringLiteral("Loading Options..."), loads);
    loadButton_->setObjectName(QStringLiteral("LoadButton"));
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(uniformLoadCheck_),
                                    static_cast<QAbstractButton*>(lineLoadCheck_),
                                    static_cast<QAbstractButton*>(loadButton_)}) {
        button->setAccessibleName(button->text());
        loadsLayout->addWidget(button);
    }

    loadFrame_ = new QGroupBox(QStringLiteral("Loading Options"), loads);
    loadFrame_->setObjectName(QStringLiteral("LoadFrame"));
    auto* frameLayout = new QGridLayout(loadFrame_);
    const QString optionCaptions[2] = {QStringLiteral("Default"), QStringLiteral("Custom")};
    for (int i = 0; i < 2; ++i) {
        loadOpt_[i] = new QRadioButton(optionCaptions[i], loadFrame_);
        loadOpt_[i]->setObjectName(QStringLiteral("LoadOpt_%1").arg(i));
        loadOpt_[i]->setAccessibleName(optionCaptions[i]);
        frameLayout->addWidget(loadOpt_[i], 0, i);
        connect(loadOpt_[i], &QRadioButton::clicked, this, [this, i] {
            StorePlacement();
            endcap().LoadOptionChosen(i);
            ShowModel();
        });
    }
    for (int i = 0; i < 3; ++i) {
        const int field = kLoadFields[i];
        const QString caption = ToQ(model().Field(field).caption);
        loadLabels_[i] = new QLabel(caption, loadFrame_);
        loadLabels_[i]->setObjectName(QLatin1String(kLoadLabelNames[i]));
        loadLabels_[i]->setAccessibleName(caption + QStringLiteral(" label"));
        QLineEdit* var = vars_[static_cast<std::size_t>(field)];
        var->setParent(loadFrame_);
        var->show();
        frameLayout->addWidget(loadLabels_[i], 1 + 2 * i, 0, 1, 2);
        frameLayout->addWidget(var, 2 + 2 * i, 0);
    }
    QComboBox* loadUnits = unitBoxes_[EndcapEditorModel::kLoadUnitList];
    loadUnits->setParent(loadFrame_);
    loadUnits->show();
    frameLayout->addWidget(loadUnits, 2, 1);
    auto* align = new QPushButton(QStringLiteral("Align"), loadFrame_);
    align->setObjectName(QStringLiteral("Command1"));
    align->setAccessibleName(QStringLiteral("Align"));
    auto* ok = new QPushButton(QStringLiteral("OK"), loadFrame_);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setAccessibleName(QStringLiteral("OK"));
    frameLayout->addWidget(align, 7, 0);
    frameLayout->addWidget(ok, 7, 1);
    loadsLayout->addWidget(loadFrame_);
    loadFrame_->hide();
    column_->insertWidget(FieldsEnd(), loads);
    loads->setVisible(endcap().LoadOptionsVisible());

    connect(uniformLoadCheck_, &QCheckBox::clicked, this, [this](bool ticked) {
        endcap().UniformLoadClicked(ticked);
        ShowModel();
    });
    connect(lineLoadCheck_, &QCheckBox::clicked, this, [this](bool ticked) {
        endcap().LineLoadClicked(ticked);
        ShowModel();
    });
    connect(loadButton_, &QPushButton::clicked, loadFrame_, &QWidget::show);
    connect(ok, &QPushButton::clicked, this, [this] {
        CommitFields();
        loadFrame_->hide();
    });
    connect(align, &QPushButton::clicked, this, [this] {
        StorePlacement();
        endcap().Align();
        ShowModel();
    });
}

void EndCapForm::ShowModel() {
    GeometryEditorForm::ShowModel();
    uniformLoadCheck_->setChecked(endcap().UniformLoadChecked());
    lineLoadCheck_->setChecked(endcap().LineLoadChecked());
    loadOpt_[endcap().LoadOption()]->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        loadLabels_[i]->setEnabled(model().Field(kLoadFields[i]).enabled);
    }
    analysisButton_->setEnabled(endcap().AnalysisEnabled());
}

SketchShape EndCapForm::Shape() const {
    SketchShape shape;
    shape.component = endcap().Design().EndcapType;
    shape.dims = endcap().Design().EndcapDim;
    return shape;
}

void EndCapForm::StorePlacement() {
    const QRect place = PlacementTwips();
    endcap().SetPlacement(place.x(), place.y(), place.height());
}

}  // namespace tidewell
