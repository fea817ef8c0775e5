// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numeric format dialog "Numeric Formating": the number of significant digits and the
// notation of every number the program shows, with a live sample. Changes apply at once to the
// design record; there is no cancel.

#include <QDialog>

#include "analysis/DesignRecord.h"
#include "units/UserMessages.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tidewell {

// The Notes message, lines separated by carriage returns.
std::string NumericFormatNotes();

class NumericForm : public QDialog {
    Q_OBJECT
public:
    NumericForm(DesignRecord& design, UserMessages& messages, QWidget* parent = nullptr);

    // The menu command: loads the dialog from the design record when it is not open yet, shows it
    // and gives it the focus.
    void Open();

private:
    void Load();
    void FormatType_Click(int index);
    void SigDigs_Change();
    void UpdateSample();
    void Command2_Click();

    DesignRecord& design_;
    UserMessages& messages_;
    QLineEdit* sigDigs_ = nullptr;
    QComboBox* formatType_ = nullptr;
    QLineEdit* sampleInput_ = nullptr;
    QLineEdit* sampleOutput_ = nullptr;
};

}  // namespace tidewell
