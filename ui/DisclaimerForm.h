#pragma once
// The disclaimer window "Liability Disclaimer": the terms drawn into its text box, OK to accept
// them and Quit to leave. The main window decides what Quit means (at start-up the program ends
// at once; during a session it is the Quit command).

#include <QStringList>
#include <QWidget>

class QPushButton;

namespace tidewell {

// The disclaimer's lines, top to bottom; an empty entry separates the paragraphs.
const QStringList& DisclaimerLines();

// The picture box of the disclaimer: clears itself and prints the lines one under the other each
// time it is painted.
class DisclaimerText : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class DisclaimerForm : public QWidget {
    Q_OBJECT
public:
    explicit DisclaimerForm(QWidget* parent = nullptr);

    // Shows the window placed against the given main window: centred horizontally, at one third
    // of the free height from the top.
    void ShowAgainst(const QWidget& mainWindow);

    // Closes the window from the program.
    void Dismiss();

signals:
    void accepted();       // OK
    void quitRequested();  // Quit

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* continueOn_ = nullptr;
    QPushButton* outWeGo_ = nullptr;
    bool dismissing_ = false;
};

}  // namespace tidewell
