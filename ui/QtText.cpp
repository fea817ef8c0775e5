// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QtText.h"

namespace tidewell {

QString DisplayText(const std::string& text) {
    QString shown = ToQ(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

bool HasControlCharacter(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) return true;
        // Line and paragraph separators break lines as well.
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) return true;
    }
    return false;
}

}  // namespace tidewell
