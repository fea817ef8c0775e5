// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt sides of the seams: message boxes, line breaks, one-line boxes and the settings store;
// the bundled manual's links.

#include <QMessageBox>
#include <QSettings>

#include "UiTestSupport.h"
#include "ui/QSettingsStore.h"
#include "ui/QtText.h"
#include "ui/QtUserMessages.h"
#include "ui/SingleLineEdit.h"

using namespace tidewell;

namespace {

// Shows the message through the desktop's UserMessages and answers the box with the given key
// (Enter presses the default button, Escape cancels) once it is open; the box's icon is kept.
MessageAnswer ShowAndAnswer(const Message& message, Qt::Key key, QMessageBox::Icon& icon) {
    QtUserMessages messages;
    QTimer::singleShot(0, [&icon, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        icon = box->icon();
        QTest::keyClick(box, key);
    });
    return messages.Show(message);
}

}  // namespace

class SeamsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void displayText() {
        for (const auto& [core, shown] :
             {std::pair{"\rTitle\r     Body I.D.", "\nTitle\n     Body I.D."},
              {"one\r\ntwo", "one\ntwo"}})
            QCOMPARE(DisplayText(core), QString::fromUtf8(shown));
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

    void messageBoxDefaultAndEscape() {
        // Enter presses the default button (the first where none is named), Escape cancels.
        const struct {
            MessageButtons buttons;
            std::optional<MessageAnswer> defaultAnswer;
            Qt::Key key;
            MessageAnswer expected;
        } cases[] = {
            {MessageButtons::YesNoCancel, MessageAnswer::Cancel, Qt::Key_Enter,
             MessageAnswer::Cancel},
            {MessageButtons::YesNo, std::nullopt, Qt::Key_Enter, MessageAnswer::Yes},
            {MessageButtons::OkCancel, std::nullopt, Qt::Key_Escape, MessageAnswer::Cancel}};
        for (const auto& c : cases) {
            Message message{"Question?", "Warning", MessageIcon::Question, c.buttons};
            message.defaultButton = c.defaultAnswer;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QCOMPARE(ShowAndAnswer(message, c.key, icon), c.expected);
            QCOMPARE(icon, QMessageBox::Question);
        }
    }

    void settingsStoreRoundTrip() {
        QSettingsStore store(QStringLiteral("TidewellTest"));
        const auto stored = [&store] {
            std::string value = "stale";
            return store.Get("Tidewell", "Newest_Testing", "DESIGNER", value) ? value : "(failed)";
        };
        QVERIFY(store.Delete("Tidewell", "Newest_Testing", "DESIGNER"));
        QCOMPARE(stored(), std::string());
        QVERIFY(store.Save("Tidewell", "Newest_Testing", "DESIGNER", "A. Deep, Esq."));
        QCOMPARE(stored(), std::string("A. Deep, Esq."));
        // The values sit in the user's INI file, group Newest_Testing.
        const QSettings ini(QSettings::IniFormat, QSettings::UserScope,
                            QStringLiteral("TidewellTest"), QStringLiteral("Tidewell"));
        QVERIFY(ini.fileName().endsWith(QStringLiteral("TidewellTest/Tidewell.ini")));
        QCOMPARE(ini.value(QStringLiteral("Newest_Testing/DESIGNER")).toString(),
                 QStringLiteral("A. Deep, Esq."));
        QVERIFY(store.Delete("Tidewell", "Newest_Testing", "DESIGNER"));
        QCOMPARE(stored(), std::string());
        QFile::remove(ini.fileName());
    }

    void manualLinksResolve() {
        // Every page the contents page links to is bundled, and every page links back.
        const QString index = QString::fromUtf8(ReadFile(QStringLiteral(":/help/index.html")));
        const QRegularExpression link(QStringLiteral("href=\"([a-z-]+\\.html)"));
        QStringList pages;
        for (auto it = link.globalMatch(index); it.hasNext();) pages << it.next().captured(1);
        QCOMPARE(pages.size(), 9);
        for (const QString& page : pages) {
            const QString text = QString::fromUtf8(ReadFile(QStringLiteral(":/help/") + page));
            QVERIFY2(text.contains(QStringLiteral("href=\"index.html\"")), qPrintable(page));
        }
    }
};

QTEST_MAIN(SeamsTest)
#include "SeamsTest.moc"
