// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BodyForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/GeometrySketch.h"
#include "ui/PIPEIDFORM.h"
#include "ui/QtText.h"

namespace tidewell {

namespace {

QLabel* Label(const char* name, const QString& text, const QString& accessible, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(accessible);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

BodyForm::BodyForm(DesignRecord& design, UserMessages& messages, QWidget* parent)
    : GeometryEditorForm(
          [&design](UserMessages& queued) {
              return std::make_unique<BodyEditorModel>(design, queued);
          },
          messages, 1, parent) {
    setObjectName(QStringLiteral("BodyForm"));
    BuildControls([](int) { return true; });

    pipeButton_ = new QPushButton(QStringLiteral("Pipe Tables"), this);
    pipeButton_->setObjectName(QStringLiteral("PipeButton"));
    pipeButton_->setAccessibleName(QStringLiteral("Pipe Tables"));
    pipeButton_->setVisible(body().PipeButtonVisible());
    connect(pipeButton_, &QPushButton::clicked, this, &BodyForm::PipeButton_Click);
    column_->insertWidget(FieldsEnd(), pipeButton_);

    auto* volumes = new QGridLayout;
    volumes->addWidget(Label("VolLabel", QStringLiteral("Open Volume:"),
                             QStringLiteral("Open Volume label"), this),
                       0, 0);
    volume_ = Label("Volume", QString(), QStringLiteral("Open Volume"), this);
    volumes->addWidget(volume_, 0, 1);
    volumes->addWidget(Label("MatVolLabel", QStringLiteral("Material Volume:"),
                             QStringLiteral("Material Volume label"), this),
                       1, 0);
    matVolume_ = Label("MatVolume", QString(), QStringLiteral("Material Volume"), this);
    volumes->addWidget(matVolume_, 1, 1);
    column_->insertLayout(FieldsEnd(), volumes);
    column_->addStretch();
    ShowModel();
}

PIPEIDFORM* BodyForm::PipeTable() const {
    return pipeTable_;
}

void BodyForm::ShowModel() {
    GeometryEditorForm::ShowModel();
    volume_->setText(ToQ(body().OpenVolumeText()) + QStringLiteral(" cu in"));
    matVolume_->setText(ToQ(body().MaterialVolumeText()) + QStringLiteral(" cu in"));
}

SketchShape BodyForm::Shape() const {
    SketchShape shape;
    shape.component = body().Design().BodyType;
    for (std::size_t i = 0; i < 4; ++i) shape.dims[i] = body().Design().BodyDim[i];
    return shape;
}

void BodyForm::StorePlacement() {
    const QRect place = PlacementTwips();
    body().SetPlacement(place.x(), place.y(), place.height());
}

void BodyForm::PipeButton_Click() {
    body().PipeTablesOpened();
    ShowModel();
    if (!pipeTable_) {
        pipeTable_ = new PIPEIDFORM(this);
        connect(pipeTable_, &PIPEIDFORM::picked, this, &BodyForm::PipePicked);
    }
    pipeTable_->show();
    pipeTable_->raise();
    pipeTable_->activateWindow();
}

void BodyForm::PipePicked(int row, int column) {
    if (!body().PipePicked(row, column)) return;
    ShowModel();
    if (pipeTable_) pipeTable_->close();
    pict_->setFocus();
}

void BodyForm::CloseCompanions() {
    if (pipeTable_) pipeTable_->close();
}

}  // namespace tidewell
