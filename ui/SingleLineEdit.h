// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A one-line text box that holds no line break or other control character, typed, pasted or
// dropped: such a character would split the value over two lines of a project file. Optionally,
// Enter sounds the beep and is discarded.

#include <QLineEdit>
#include <QValidator>

namespace tidewell {

// Refuses any text with a control character; every user edit of the box passes through it.
class ControlCharValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

class SingleLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SingleLineEdit(QWidget* parent = nullptr);

    void SetBeepOnEnter(bool beep) { beepOnEnter_ = beep; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool beepOnEnter_ = false;
};

}  // namespace tidewell
