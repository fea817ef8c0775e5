#include "ui/DisclaimerForm.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
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

QSize DisclaimerText::sizeHint() const {
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : DisclaimerLines()) {
        width = qMax(width, metrics.horizontalAdvance(line));
    }
    return {width + 24, metrics.lineSpacing() * static_cast<int>(DisclaimerLines().size()) + 24};
}

void DisclaimerText::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const QFontMetrics metrics(font());
    int y = 12 + metrics.ascent();
    for (const QString& line : DisclaimerLines()) {
        painter.drawText(12, y, line);
        y += metrics.lineSpacing();
    }
}

DisclaimerForm::DisclaimerForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("DisclaimerForm"));
    setWindowTitle(QStringLiteral("Liability Disclaimer"));

    auto* pb = new DisclaimerText(this);
    pb->setObjectName(QStringLiteral("pb"));
    pb->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pb->setAutoFillBackground(true);

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

    connect(continueOn_, &QPushButton::clicked, this, &DisclaimerForm::accepted);
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
