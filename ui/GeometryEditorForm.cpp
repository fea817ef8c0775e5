// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GeometryEditorForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/GeometrySketch.h"
#include "ui/HomeForm.h"
#include "ui/QtText.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// The smallest editor: the height the layout rule keeps, and the picture beside the controls.
constexpr int kMinimumHeightTwips = 4125;
constexpr int kControlWidthTwips = 3900;

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

}  // namespace

GeometryEditorForm::GeometryEditorForm(const ModelFactory& makeModel, UserMessages& messages,
                                       int analysisScope, QWidget* parent)
    : QWidget(parent), queued_(messages, this), model_(makeModel(queued_)), scope_(analysisScope) {}

void GeometryEditorForm::CloseWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->close();
    } else {
        close();
    }
}

void GeometryEditorForm::BuildControls(const std::function<bool(int)>& inColumn) {
    auto* controlFrame = new QWidget(this);
    controlFrame->setObjectName(QStringLiteral("ControlFrame"));
    column_ = new QVBoxLayout(controlFrame);
    column_->setContentsMargins(0, 0, 0, 0);
    unitBoxes_.assign(kUnitListCount, nullptr);
    for (int field = 0; field < model().FieldCount(); ++field) {
        const QString caption = ToQ(model().Field(field).caption);
        auto* frame = new QGroupBox(caption, controlFrame);
        frame->setObjectName(QStringLiteral("Frame_%1").arg(field));
        auto* var = new QLineEdit(frame);
        var->setObjectName(QStringLiteral("Var_%1").arg(field));
        var->setAccessibleName(caption);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(var, 1);
        const int list = model().UnitListOf(field);
        if (list == field) {
            auto* units = new QComboBox(frame);
            units->setObjectName(QStringLiteral("UnitBox_%1").arg(list));
            units->setAccessibleName(caption + QStringLiteral(" unit"));
            for (const std::string& name : LengthUnitList()) units->addItem(ToQ(name));
            row->addWidget(units);
            unitBoxes_[static_cast<std::size_t>(list)] = units;
            connect(units, &QComboBox::activated, this,
                    [this, list](int index) { UnitBox_Click(list, index); });
        }
        vars_.push_back(var);
        frames_.push_back(frame);
        if (inColumn(field)) {
            column_->addWidget(frame);
        } else {
            frame->hide();
        }
        // The user's typing only; the program's own fills never reach the model as edits.
        connect(var, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            model().FieldEdited(field, FromQ(text));
            pict_->Clear();
            if (model().TakeDesignChanged()) emit designChanged();
        });
        connect(var, &QLineEdit::editingFinished, this, &GeometryEditorForm::CommitFields);
    }

    auto* options = new QWidget(controlFrame);
    auto* optionRow = new QHBoxLayout(options);
    optionRow->setContentsMargins(0, 0, 0, 0);
    const QString optionCaptions[] = {QStringLiteral("Maintain I.D. constant"),
                                      QStringLiteral("Maintain O.D. constant")};
    for (int i = 0; i < 2; ++i) {
        fixedOption_[i] = new QRadioButton(optionCaptions[i], options);
        fixedOption_[i]->setObjectName(QStringLiteral("FixedOption_%1").arg(i));
        fixedOption_[i]->setAccessibleName(optionCaptions[i]);
        optionRow->addWidget(fixedOption_[i]);
        connect(fixedOption_[i], &QRadioButton::clicked, this,
                [this, i] { model().FixedOptionChosen(i); });
    }
    fixedOption_[model().FixedOption()]->setChecked(true);
    column_->addWidget(options);
    options->setVisible(model().FixedOptionVisible());

    auto* buttons = new QGridLayout;
    auto* update = Button("UpdateButton", QStringLiteral("Update"), controlFrame);
    auto* cancel = Button("CancelButton", QStringLiteral("Cancel"), controlFrame);
    analysisButton_ = Button("AnalysisButton", QStringLiteral("Perform Analysis"), controlFrame);
    auto* done = Button("DoneButton", QStringLiteral("Done"), controlFrame);
    buttons->addWidget(update, 0, 0);
    buttons->addWidget(cancel, 0, 1);
    buttons->addWidget(analysisButton_, 1, 0);
    buttons->addWidget(done, 1, 1);
    column_->addLayout(buttons);
    connect(update, &QPushButton::clicked, this, &GeometryEditorForm::CommitFields);
    connect(cancel, &QPushButton::clicked, this, &GeometryEditorForm::Cancel_Click);
    connect(done, &QPushButton::clicked, this, &GeometryEditorForm::CloseWindow);
    connect(analysisButton_, &QPushButton::clicked, this,
            [this] { emit analysisRequested(scope_); });

    pict_ = new GeometrySketch(this);
    connect(pict_, &GeometrySketch::clicked, this, &GeometryEditorForm::Redraw);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(pict_, 1);
    layout->addWidget(controlFrame);
}

QSize GeometryEditorForm::minimumSizeHint() const {
    const int height = kMinimumHeightTwips / kTwipsPerPixel;
    const QSize laidOut = QWidget::minimumSizeHint();
    return {std::max(laidOut.width(), height + kControlWidthTwips / kTwipsPerPixel),
            std::max(laidOut.height(), height)};
}

int GeometryEditorForm::FieldsEnd() const {
    return column_->count() - 2;
}

void GeometryEditorForm::ShowModel() {
    setWindowTitle(ToQ(model().Caption()));
    for (int field = 0; field < model().FieldCount(); ++field) {
        const EditorField& shown = model().Field(field);
        QLineEdit* var = vars_[static_cast<std::size_t>(field)];
        const QString text = ToQ(shown.text);
        if (var->text() != text) var->setText(text);
        var->setEnabled(shown.enabled);
        QGroupBox* frame = frames_[static_cast<std::size_t>(field)];
        frame->setTitle(ToQ(shown.caption));
        frame->setStyleSheet(shown.highlighted ? QStringLiteral("QGroupBox { color: blue; }")
                                               : QString());
        if (!shown.visible) {
            frame->hide();
            var->hide();
        }
    }
    for (int list = 0; list < kUnitListCount; ++list) {
        QComboBox* units = unitBoxes_[static_cast<std::size_t>(list)];
        if (!units) continue;
        units->setCurrentIndex(model().UnitSelection(list));
        units->setEnabled(model().UnitListEnabled(list));
    }
    Redraw();
    if (model().TakeDesignChanged()) emit designChanged();
}

void GeometryEditorForm::Redraw() {
    pict_->SetShape(Shape());
}

QRect GeometryEditorForm::PlacementTwips() const {
    const QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame) frame = this;
    return {frame->x() * kTwipsPerPixel, frame->y() * kTwipsPerPixel,
            frame->width() * kTwipsPerPixel, frame->height() * kTwipsPerPixel};
}

void GeometryEditorForm::CommitFields() {
    if (closing_) return;
    StorePlacement();
    model().Commit();
    ShowModel();
}

void GeometryEditorForm::SetActive(bool active) {
    if (active && !active_) {
        // The state Cancel returns to is the one of this activation.
        StorePlacement();
        model().Activate();
        ShowModel();
    } else if (!active && active_) {
        CommitFields();
    }
    active_ = active;
}

void GeometryEditorForm::UnitBox_Click(int list, int index) {
    StorePlacement();
    model().UnitChosen(list, index);
    ShowModel();
}

void GeometryEditorForm::Cancel_Click() {
    model().Cancel();
    ShowModel();
    Discard();
}

void GeometryEditorForm::Discard() {
    closing_ = true;
    CloseCompanions();
    CloseWindow();
}

void GeometryEditorForm::closeEvent(QCloseEvent* event) {
    CommitFields();
    closing_ = true;
    CloseCompanions();
    event->accept();
}

void GeometryEditorForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible()) CommitFields();
}

}  // namespace tidewell
