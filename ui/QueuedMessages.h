// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Messages of a geometry editor, shown once the event that raised them is over: a field left
// because a menu or a drop-down opened must not pop a message box over that menu.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "units/UserMessages.h"

namespace tidewell {

class QueuedMessages : public UserMessages {
public:
    using UserMessages::Show;

    // The context ends the queue: nothing is shown after it is gone.
    QueuedMessages(UserMessages& shown, QObject* context) : shown_(shown), context_(context) {}

    // Only notices pass through here; they are answered OK at once and shown later.
    MessageAnswer Show(const Message& message) override {
        UserMessages* shown = &shown_;
        QTimer::singleShot(0, context_.data(), [shown, message] { shown->Show(message); });
        return MessageAnswer::Ok;
    }

private:
    UserMessages& shown_;
    QPointer<QObject> context_;
};

}  // namespace tidewell
