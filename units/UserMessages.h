// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one way core code speaks to the user: a modal message with a title, an icon and a set of
// buttons, answered by the user. The desktop shows a message box, the command-line program writes
// to standard error, tests script the answers.

#include <optional>
#include <string>

namespace tidewell {

// Title of most of the program's messages.
inline const char* const kProgramTitle = "Tidewell";

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string title = kProgramTitle;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button that answers when the user just presses Enter; none = the first button.
    std::optional<MessageAnswer> defaultButton = std::nullopt;
};

class UserMessages {
public:
    virtual ~UserMessages() = default;

    // Shows the message and returns the button the user chose.
    virtual MessageAnswer Show(const Message& message) = 0;

    MessageAnswer Show(const std::string& text, const std::string& title = kProgramTitle,
                       MessageIcon icon = MessageIcon::None,
                       MessageButtons buttons = MessageButtons::Ok) {
        return Show(Message{text, title, icon, buttons});
    }
};

// Counts the messages instead of showing them, where a text is only being tried (a stored
// preference read back, a field checked before its own message is shown).
class QuietMessages : public UserMessages {
public:
    using UserMessages::Show;
    MessageAnswer Show(const Message&) override {
        ++count;
        return MessageAnswer::Ok;
    }
    int count = 0;
};

}  // namespace tidewell
