// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Conversions between the core's UTF-8 std::string texts and Qt's QString, and the one rule for
// showing core texts that break lines with carriage returns only.

#include <QString>
#include <string>

namespace tidewell {

inline QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string FromQ(const QString& text) {
    return text.toStdString();
}

// Core texts break lines with CR LF or with a bare CR; Qt shows a bare CR on one line. Both
// become a line feed.
QString DisplayText(const std::string& text);

// True when the text holds a line break or any other control character, which the single-line
// fields of the program refuse.
bool HasControlCharacter(const QString& text);

}  // namespace tidewell
