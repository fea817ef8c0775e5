// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/CliMessages.h"

#include <vector>

namespace tidewell::cli {

namespace {

// Splits a message text at its line breaks (carriage return, line feed or both).
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

}  // namespace

std::string MessageLines(const Message& message) {
    std::vector<std::string> lines = SplitLines(message.text);
    // A list that starts with a line break (the validation's) gets its title on that line.
    const bool titled = message.title != kProgramTitle && !message.title.empty();
    std::string out;
    if (message.icon == MessageIcon::Information) out += "note: ";
    if (titled) {
        out += message.title + ":";
        if (!lines.front().empty()) out += " ";
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += '\n';
        out += lines[i];
    }
    out += '\n';
    return out;
}

MessageAnswer CliMessages::Show(const Message& message) {
    ++count_;
    const std::string text = MessageLines(message);
    std::fputs(text.c_str(), out_);
    std::fflush(out_);
    switch (message.buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

void CliMessages::Line(const std::string& text) {
    std::fputs((text + "\n").c_str(), out_);
    std::fflush(out_);
}

}  // namespace tidewell::cli
