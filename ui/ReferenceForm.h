// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The reference list "References": the published sources of the formulas, the failure criteria
// and the material data.

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace tidewell {

// The reference text, lines joined by CR LF, neither starting nor ending with a line break.
std::string ReferenceText();

class ReferenceForm : public QDialog {
    Q_OBJECT
public:
    explicit ReferenceForm(QWidget* parent = nullptr);

    // The menu command: rebuilds the text and shows the window.
    void Open();

private:
    QPlainTextEdit* pb_ = nullptr;
};

}  // namespace tidewell
