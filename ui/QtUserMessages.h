// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop's UserMessages: a modal QMessageBox with plain text, the message's title, icon,
// buttons and default button (the first one unless the message names another).

#include <QPointer>
#include <QWidget>

#include "units/UserMessages.h"

namespace tidewell {

class QtUserMessages : public UserMessages {
public:
    using UserMessages::Show;

    explicit QtUserMessages(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the message boxes are centred on.
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer Show(const Message& message) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace tidewell
