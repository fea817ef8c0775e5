// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/IntroForm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/LogoWidget.h"
#include "ui/QtText.h"

namespace tidewell {

QPoint SplashPosition(const QRect& screen, const QSize& window) {
    return {screen.left() + (screen.width() - window.width()) / 2,
            screen.top() + (screen.height() - window.height()) / 3};
}

std::string AcknowledgementText() {
    return "Tidewell grew out of many years of designing housings for instruments that go to sea, "
           "and out of the questions of the engineers who used it. Thanks to all who tested it "
           "against their own calculations and their own hardware.\r"
           "Tidewell designs pressure housings (tubes, spheres and their endcaps) against "
           "buckling, yield and fracture. Check every design against the references and build in "
           "a sound factor of safety.\r"
           "Tidewell is free software: you may use, share and change it under the terms of the "
           "GNU General Public License, version 3 or (at your option) any later version "
           "(GPL-3.0-or-later). It comes with no warranty. It is built with Qt, whose charts "
           "module is used under the GPL 3; the full licence text is in the file LICENSE that "
           "comes with the program and at https://www.gnu.org/licenses/gpl-3.0.html.";
}

IntroForm::IntroForm(const std::string& programVersion, UserMessages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      messages_(messages) {
    setObjectName(QStringLiteral("IntroForm"));
    setWindowTitle(QStringLiteral("Welcome"));

    titleLabel_ = new QLabel(QStringLiteral("Tidewell  Ver. ") + ToQ(programVersion), this);
    titleLabel_->setObjectName(QStringLiteral("TitleLabel"));
    QFont titleFont = titleLabel_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);

    auto* subtitle = new QLabel(QStringLiteral("Design of pressure housings"), this);
    subtitle->setObjectName(QStringLiteral("Label1"));
    auto* contact1 = new QLabel(QStringLiteral("The Tidewell project"), this);
    contact1->setObjectName(QStringLiteral("Label2"));
    auto* contact2 = new QLabel(
        QStringLiteral("Questions, reports and wishes: through the project's issue list"), this);
    contact2->setObjectName(QStringLiteral("Label3"));
    auto* contact3 = new QLabel(QStringLiteral("Click the logo for the acknowledgements."), this);
    contact3->setObjectName(QStringLiteral("Label4"));
    for (QLabel* label : {titleLabel_, subtitle, contact1, contact2, contact3}) {
        label->setTextFormat(Qt::PlainText);
    }

    image1_ = new LogoWidget(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setFixedSize(150, 150);
    image1_->setAccessibleName(QStringLiteral("Tidewell logo"));
    image1_->setAccessibleDescription(QStringLiteral("Shows the acknowledgements"));
    image1_->setToolTip(QStringLiteral("Acknowledgements"));

    introButton_ = new QPushButton(QStringLiteral("Continue"), this);
    introButton_->setObjectName(QStringLiteral("IntroButton"));
    introButton_->setDefault(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(titleLabel_);
    texts->addWidget(subtitle);
    texts->addSpacing(16);
    texts->addWidget(contact1);
    texts->addWidget(contact2);
    texts->addWidget(contact3);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(image1_);
    top->addSpacing(16);
    top->addLayout(texts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(introButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    setTabOrder(image1_, introButton_);
    connect(image1_, &LogoWidget::clicked, this, &IntroForm::Image1_Click);
    connect(introButton_, &QPushButton::clicked, this, &IntroForm::IntroButton_Click);
}

void IntroForm::ShowCentred() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(SplashPosition(screen->geometry(), frameGeometry().size()));
    }
    show();
    raise();
    activateWindow();
    introButton_->setFocus();
}

void IntroForm::Image1_Click() {
    messages_.Show(AcknowledgementText(), kProgramTitle, MessageIcon::Information);
}

void IntroForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        IntroButton_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void IntroForm::IntroButton_Click() {
    QDialog::reject();  // hides the window
    emit continued();
}

}  // namespace tidewell
