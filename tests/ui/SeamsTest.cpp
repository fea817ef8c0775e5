// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt sides of the seams: message boxes, line breaks, one-line boxes and the settings store;
// the bundled manual's links.

#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include "UiTestSupport.h"
#include "ui/QSettingsStore.h"
#include "ui/QtText.h"
#include "ui/QtUserMessages.h"
#include "ui/SingleLineEdit.h"

using namespace tidewell;

namespace {

// What a message box showed, read while it is open.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows the message through the desktop's UserMessages and answers the box with the given key
// (Enter presses the default button, Escape cancels) once it is open.
MessageAnswer ShowAndAnswer(const Message& message, Qt::Key key, SeenBox& seen) {
    QtUserMessages messages;
    QTimer::singleShot(0, [&seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        QTest::keyClick(box, key);
    });
    return messages.Show(message);
}

}  // namespace

class SeamsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void displayText_data() {
        QTest::addColumn<QString>("core");
        QTest::addColumn<QString>("shown");
        QTest::newRow("carriage returns") << "\rTitle\r     Body I.D."
                                          << "\nTitle\n     Body I.D.";
        QTest::newRow("CR LF") << "one\r\ntwo"
                               << "one\ntwo";
    }

    void displayText() {
        QFETCH(QString, core);
        QFETCH(QString, shown);
        QCOMPARE(DisplayText(core.toStdString()), shown);
    }

    void controlCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "Deep float, 6000 m" << false;
        QTest::newRow("line feed") << "a\nb" << true;
        QTest::newRow("delete") << QStringLiteral("a\u007fb") << true;
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << true;
    }

    void controlCharacters() {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QCOMPARE(HasControlCharacter(text), refused);
        SingleLineEdit box;
        box.setText(QStringLiteral("kept"));
        box.selectAll();
        box.insert(text);
        QCOMPARE(box.text(), refused ? QStringLiteral("kept") : text);
    }

    void messageBoxDefaultAndEscape_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultAnswer");  // -1 none named
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        const int none = -1;
        QTest::newRow("yes/no/cancel, cancel default, enter")
            << int(MessageButtons::YesNoCancel) << int(MessageAnswer::Cancel) << int(Qt::Key_Enter)
            << int(MessageAnswer::Cancel);
        QTest::newRow("yes/no, first is default")
            << int(MessageButtons::YesNo) << none << int(Qt::Key_Enter) << int(MessageAnswer::Yes);
        QTest::newRow("ok/cancel, escape") << int(MessageButtons::OkCancel) << none
                                           << int(Qt::Key_Escape) << int(MessageAnswer::Cancel);
    }

    void messageBoxDefaultAndEscape() {
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        QFETCH(int, key);
        QFETCH(int, expected);
        Message message{"Question?", "Warning", MessageIcon::Question,
                        static_cast<MessageButtons>(buttons)};
        if (defaultAnswer >= 0) message.defaultButton = static_cast<MessageAnswer>(defaultAnswer);
        SeenBox seen;
        const MessageAnswer answer = ShowAndAnswer(message, static_cast<Qt::Key>(key), seen);
        QCOMPARE(int(answer), expected);
        QCOMPARE(seen.icon, QMessageBox::Question);
    }

    void settingsStoreRoundTrip() {
        QSettingsStore store(QStringLiteral("TidewellTest"));
        std::string value = "stale";
        QVERIFY(store.Delete("Tidewell", "Newest_Testing", "DESIGNER"));
        QVERIFY(store.Get("Tidewell", "Newest_Testing", "DESIGNER", value));
        QCOMPARE(value, std::string());
        QVERIFY(store.Save("Tidewell", "Newest_Testing", "DESIGNER", "A. Deep, Esq."));
        QVERIFY(store.Get("Tidewell", "Newest_Testing", "DESIGNER", value));
        QCOMPARE(value, std::string("A. Deep, Esq."));
        // The values sit in the user's INI file, group Newest_Testing.
        const QSettings ini(QSettings::IniFormat, QSettings::UserScope,
                            QStringLiteral("TidewellTest"), QStringLiteral("Tidewell"));
        QVERIFY(ini.fileName().endsWith(QStringLiteral("TidewellTest/Tidewell.ini")));
        QCOMPARE(ini.value(QStringLiteral("Newest_Testing/DESIGNER")).toString(),
                 QStringLiteral("A. Deep, Esq."));
        QVERIFY(store.Delete("Tidewell", "Newest_Testing", "DESIGNER"));
        QVERIFY(store.Get("Tidewell", "Newest_Testing", "DESIGNER", value));
        QCOMPARE(value, std::string());
        QFile::remove(ini.fileName());
    }

    void manualLinksResolve() {
        // Every page the contents page links to is bundled, and every page links back.
        QFile contents(QStringLiteral(":/help/index.html"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        const QString index = QString::fromUtf8(contents.readAll());
        const QRegularExpression link(QStringLiteral("href=\"([a-z-]+\\.html)"));
        QStringList pages;
        for (auto it = link.globalMatch(index); it.hasNext();) pages << it.next().captured(1);
        QCOMPARE(pages.size(), 9);
        for (const QString& page : pages) {
            QFile file(QStringLiteral(":/help/") + page);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
            QVERIFY2(
                QString::fromUtf8(file.readAll()).contains(QStringLiteral("href=\"index.html\"")),
                qPrintable(page));
        }
    }
};

QTEST_MAIN(SeamsTest)
#include "SeamsTest.moc"
