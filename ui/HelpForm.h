// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The built-in help window: the bundled user manual, opened at its contents page.

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace tidewell {

// The manual's contents page inside the program.
QUrl HelpContentsUrl();

class HelpForm : public QWidget {
    Q_OBJECT
public:
    explicit HelpForm(QWidget* parent = nullptr);

    // Shows the manual at its contents page.
    void ShowContents();

    QUrl CurrentPage() const;

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace tidewell
