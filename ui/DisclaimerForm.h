// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The disclaimer window "Liability Disclaimer": the terms drawn into its text box, OK to accept
// them and Quit to leave. The main window decides what Quit means (at start-up the program ends
// at once; during a session it is the Quit command).

#include <QDialog>
#include <QStringList>

class QPushButton;

namespace tidewell {

// The disclaimer's lines, top to bottom; an empty entry separates the paragraphs.
const QStringList& DisclaimerLines();

// The disclaimer's text as one read-only text box shows it: the lines one under the other.
QString DisclaimerTextBlock();

class DisclaimerForm : public QDialog {
    Q_OBJECT
public:
    explicit DisclaimerForm(QWidget* parent = nullptr);

    // Shows the window placed against the given main window: centred horizontally, at one third
    // of the free height from the top.
    void ShowAgainst(const QWidget& mainWindow);

    // Closes the window from the program.
    void Dismiss();

    // Escape counts as Quit, as closing the window does.
    void reject() override;

signals:
    // OK emits accepted() (through accept()).
    void quitRequested();  // Quit

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* continueOn_ = nullptr;
    QPushButton* outWeGo_ = nullptr;
    bool dismissing_ = false;
};

}  // namespace tidewell
