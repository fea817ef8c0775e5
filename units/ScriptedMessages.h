// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A UserMessages that records every message and answers from a script: the test's way of seeing
// what the user was told and of choosing the user's answers.

#include <deque>
#include <string>
#include <vector>

#include "units/UserMessages.h"

namespace tidewell {

class ScriptedMessages : public UserMessages {
public:
    using UserMessages::Show;

    // Queues the answer to the next unanswered message.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }

    MessageAnswer Show(const Message& message) override {
        shown.push_back(message);
        if (!answers_.empty()) {
            const MessageAnswer answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return DefaultAnswer(message.buttons);
    }

    // The texts shown so far, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& m : shown) texts.push_back(m.text);
        return texts;
    }

    bool Empty() const { return shown.empty(); }
    void Clear() {
        shown.clear();
        answers_.clear();
    }

    std::vector<Message> shown;

private:
    // Without a scripted answer the first button is pressed (OK or Yes).
    static MessageAnswer DefaultAnswer(MessageButtons buttons) {
        switch (buttons) {
            case MessageButtons::Ok:
            case MessageButtons::OkCancel:
                return MessageAnswer::Ok;
            case MessageButtons::YesNo:
            case MessageButtons::YesNoCancel:
                return MessageAnswer::Yes;
        }
        return MessageAnswer::Ok;
    }

    std::deque<MessageAnswer> answers_;
};

}  // namespace tidewell
