// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command-line program's way of telling the user: every message goes to standard error.
// Information messages are notices ("note: ..."); a title other than the program's own leads the
// message ("Invalid Design Parameters:"). Questions are answered with their first button.

#include <cstdio>
#include <string>

#include "units/UserMessages.h"

namespace tidewell::cli {

class CliMessages : public UserMessages {
public:
    using UserMessages::Show;

    explicit CliMessages(std::FILE* out) : out_(out) {}

    MessageAnswer Show(const Message& message) override;

    // Writes one line of the program's own to standard error.
    void Line(const std::string& text);

    // How many messages have been shown.
    int Count() const { return count_; }

private:
    std::FILE* out_;
    int count_ = 0;
};

// The text of a message as the command line writes it, each line ended by a line feed.
std::string MessageLines(const Message& message);

}  // namespace tidewell::cli
