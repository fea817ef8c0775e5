// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DisclaimerForm.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tidewell {

const QStringList& DisclaimerLines() {
    static const QStringList lines = {
        QStringLiteral("    The liability of the makers of this program is limited to the"),
        QStringLiteral("replacement of the distribution media and the documentation.  The"),
        QStringLiteral("makers give no warranty and no affirmation of fact, express or"),
        QStringLiteral("implied, about the program or its results, and accept no liability"),
        QStringLiteral("for loss of profit or for any other damage, whether special,"),
        QStringLiteral("incidental or consequential, arising from its use."),
        QString(),
        QStringLiteral("   The results of this program are an aid to the engineer, not a"),
        QStringLiteral("substitute for engineering judgement.  It is the sole responsibility"),
        QStringLiteral(
            "of the individual designer to incorporate a reasonable factor of safety into"),
        QStringLiteral("a pressure housing design where appropriate, as there are no safety "),
        QStringLiteral("factors in the calculations.  Check each design and its results against"),
        QStringLiteral("the references provided."),
    };
    return lines;
}

QString DisclaimerTextBlock() {
    return DisclaimerLines().join(QLatin1Char('\n'));
}

DisclaimerForm::DisclaimerForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("DisclaimerForm"));
    setWindowTitle(QStringLiteral("Liability Disclaimer"));

    // A real text box, not a drawing, so that a screen reader reads the terms to the user.
    auto* pb = new QPlainTextEdit(this);
    pb->setObjectName(QStringLiteral("pb"));
    pb->setAccessibleName(QStringLiteral("Terms of use"));
    pb->setReadOnly(true);
    pb->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    pb->setLineWrapMode(QPlainTextEdit::NoWrap);
    pb->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pb->setPlainText(DisclaimerTextBlock());
    pb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(pb->font());
    int width = 0;
    for (const QString& line : DisclaimerLines()) {
        width = qMax(width, metrics.horizontalAdvance(line));
    }
    pb->setMinimumSize(width + 32,
                       metrics.lineSpacing() * static_cast<int>(DisclaimerLines().size()) + 24);

    continueOn_ = new QPushButton(QStringLiteral("OK"), this);
    continueOn_->setObjectName(QStringLiteral("ContinueOn"));
    continueOn_->setDefault(true);
    outWeGo_ = new QPushButton(QStringLiteral("Quit"), this);
    outWeGo_->setObjectName(QStringLiteral("OutWeGo"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continueOn_);
    buttons->addWidget(outWeGo_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pb);
    layout->addLayout(buttons);

    connect(continueOn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(outWeGo_, &QPushButton::clicked, this, &DisclaimerForm::quitRequested);
}

void DisclaimerForm::ShowAgainst(const QWidget& mainWindow) {
    adjustSize();
    const QRect main = mainWindow.frameGeometry();
    const QSize own = frameGeometry().size();
    move(main.left() + (main.width() - own.width()) / 2,
         main.top() + (main.height() - own.height()) / 3);
    show();
    raise();
    activateWindow();
    continueOn_->setFocus();
}

void DisclaimerForm::reject() {
    emit quitRequested();
}

void DisclaimerForm::Dismiss() {
    dismissing_ = true;
    close();
    dismissing_ = false;
}

void DisclaimerForm::closeEvent(QCloseEvent* event) {
    // The terms are answered with OK or Quit only; a close from the window manager counts as Quit.
    if (dismissing_) {
        event->accept();
        return;
    }
    event->ignore();
    emit quitRequested();
}

}  // namespace tidewell
