// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The splash window "Welcome": the program's name and version, the logo, the maker's lines and the
// Continue button. It opens first at start-up and again from Help, About.

#include <QDialog>

#include "units/UserMessages.h"

class QLabel;
class QPushButton;

namespace tidewell {

class LogoWidget;

// Where a window of the given size is placed on a screen: centred horizontally, at one third of
// the free height from the top.
QPoint SplashPosition(const QRect& screen, const QSize& window);

// The texts of the acknowledgement shown by a click on the logo.
std::string AcknowledgementText();

class IntroForm : public QDialog {
    Q_OBJECT
public:
    IntroForm(const std::string& programVersion, UserMessages& messages, QWidget* parent = nullptr);

    // Shows the window at its place on the screen.
    void ShowCentred();

signals:
    // The Continue button was pressed (the window has closed itself).
    void continued();

protected:
    // Escape continues, as the Continue button does: the splash never just vanishes.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Image1_Click();
    void IntroButton_Click();

    UserMessages& messages_;
    QLabel* titleLabel_ = nullptr;
    LogoWidget* image1_ = nullptr;
    QPushButton* introButton_ = nullptr;
};

}  // namespace tidewell
