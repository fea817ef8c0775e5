// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NumericForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>

#include "ui/QtText.h"
#include "ui/SingleLineEdit.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

constexpr int kScientificEntry = 0;
constexpr int kFixedEntry = 1;

// Swallows the messages of a reading whose failure the caller handles itself.
class QuietMessages : public UserMessages {
public:
    using UserMessages::Show;
    MessageAnswer Show(const Message& /*message*/) override {
        failed = true;
        return MessageAnswer::Ok;
    }
    bool failed = false;
};

// The integer part of a typed number as a whole number; empty when the text is no number (the
// range rule that follows then puts the default into the box).
QString IntegerPartText(const QString& text) {
    QuietMessages quiet;
    const double value = ParseNumber(FromQ(text), quiet);
    if (quiet.failed || !std::isfinite(value) || std::fabs(value) >= 1e9) return QString();
    return QString::number(static_cast<long long>(std::trunc(value)));
}

}  // namespace

std::string NumericFormatNotes() {
    return "Scientific / floating point:  Mantisa and Exponent\r"
           "Engineering units:  Mantisa with f,p,n,u,m,k,M,G,T\r"
           "Fixed point:  Decimal always right of 1\r"
           "\r"
           "Note that Engineering units are case sensitive for entry.";
}

NumericForm::NumericForm(DesignRecord& design, UserMessages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog), design_(design), messages_(messages) {
    setObjectName(QStringLiteral("NumericForm"));
    setWindowTitle(QStringLiteral("Numeric Formating"));

    auto* label1 =
        new QLabel(QStringLiteral("Number of Significant digits to display (1to 6):"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    sigDigs_ = new SingleLineEdit(this);
    sigDigs_->setObjectName(QStringLiteral("SigDigs"));
    sigDigs_->setMaxLength(20);
    auto* label2 = new QLabel(QStringLiteral("Format to display in:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    formatType_ = new QComboBox(this);
    formatType_->setObjectName(QStringLiteral("FormatType"));
    formatType_->setEditable(false);
    auto* label3 = new QLabel(QStringLiteral("Example input:"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    sampleInput_ = new SingleLineEdit(this);
    sampleInput_->setObjectName(QStringLiteral("SampleInput"));
    sampleInput_->setText(QStringLiteral("1234.5678"));
    auto* label4 = new QLabel(QStringLiteral("Example Output:"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    sampleOutput_ = new QLineEdit(this);
    sampleOutput_->setObjectName(QStringLiteral("SampleOutput"));
    sampleOutput_->setReadOnly(true);
    sampleOutput_->setText(QStringLiteral(" "));
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("Command1"));
    auto* notes = new QPushButton(QStringLiteral("Notes"), this);
    notes->setObjectName(QStringLiteral("Command2"));

    // Each field is announced by the label before it.
    label1->setBuddy(sigDigs_);
    label2->setBuddy(formatType_);
    label3->setBuddy(sampleInput_);
    label4->setBuddy(sampleOutput_);

    auto* grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(sigDigs_, 0, 1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(formatType_, 1, 1);
    grid->addWidget(label3, 2, 0);
    grid->addWidget(sampleInput_, 2, 1);
    grid->addWidget(label4, 3, 0);
    grid->addWidget(sampleOutput_, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);
    buttons->addWidget(notes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(formatType_, &QComboBox::activated, this, &NumericForm::FormatType_Click);
    connect(sigDigs_, &QLineEdit::textEdited, this, &NumericForm::SigDigs_Change);
    connect(sampleInput_, &QLineEdit::textEdited, this, &NumericForm::UpdateSample);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
    connect(notes, &QPushButton::clicked, this, &NumericForm::Command2_Click);
}

void NumericForm::Open() {
    if (!isVisible()) Load();
    show();
    raise();
    activateWindow();
    sigDigs_->setFocus();
}

void NumericForm::Load() {
    {
        const QSignalBlocker blocker(formatType_);
        formatType_->clear();
        formatType_->addItem(QStringLiteral("Scientific / floating point"));
        formatType_->addItem(QStringLiteral("Fixed point"));
    }
    const int entry = design_.NumericFormat < 1 ? kScientificEntry : kFixedEntry;
    {
        const QSignalBlocker blocker(formatType_);
        formatType_->setCurrentIndex(entry);
    }
    // A stored count the dialog cannot offer is replaced before the first sample is formatted.
    if (design_.SignificantDigits < 1 || design_.SignificantDigits > 12) {
        design_.SignificantDigits = 5;
    }
    FormatType_Click(entry);
    // Writing the count into the box counts as an edit of it.
    sigDigs_->setText(QString::number(design_.SignificantDigits));
    SigDigs_Change();
}

void NumericForm::FormatType_Click(int index) {
    design_.NumericFormat = index == kScientificEntry ? kScientificNotation : kFixedNotation;
    UpdateSample();
}

void NumericForm::SigDigs_Change() {
    design_.ProjectChanged = kTrue;
    QString text = IntegerPartText(sigDigs_->text());
    double value = ParseNumber(FromQ(text), messages_);
    if (value < 1 || value > 6) {
        text = QStringLiteral("4");
        value = 4;
    }
    if (sigDigs_->text() != text) sigDigs_->setText(text);
    design_.SignificantDigits = static_cast<int16_t>(std::lround(value));
    UpdateSample();
}

void NumericForm::UpdateSample() {
    const double sample = ParseNumber(FromQ(sampleInput_->text()), messages_);
    sampleOutput_->setText(
        ToQ(SigDigFormat(sample, design_.SignificantDigits, design_.NumericFormat)));
}

void NumericForm::Command2_Click() {
    messages_.Show(NumericFormatNotes(), "Numeric Formating Notes", MessageIcon::None,
                   MessageButtons::Ok);
}

}  // namespace tidewell
