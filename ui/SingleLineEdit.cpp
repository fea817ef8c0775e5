// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SingleLineEdit.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/QtText.h"

namespace tidewell {

QValidator::State ControlCharValidator::validate(QString& input, int& /*position*/) const {
    return HasControlCharacter(input) ? Invalid : Acceptable;
}

SingleLineEdit::SingleLineEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new ControlCharValidator(this));
}

void SingleLineEdit::keyPressEvent(QKeyEvent* event) {
    if (beepOnEnter_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tidewell
