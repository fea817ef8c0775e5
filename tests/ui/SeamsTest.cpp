// The Qt sides of the seams and the fixed texts: message boxes, line breaks, file-dialog filters,
// one-line boxes, the settings store, the reference list, the disclaimer and the bundled manual.

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>
#include <QTimer>

#include "UiTestSupport.h"
#include "ui/DisclaimerForm.h"
#include "ui/HelpForm.h"
#include "ui/QSettingsStore.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtText.h"
#include "ui/QtUserMessages.h"
#include "ui/ReferenceForm.h"
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
        QTest::newRow("line feed kept") << "one\ntwo"
                                        << "one\ntwo";
        QTest::newRow("empty line between") << "a\r\rb"
                                            << "a\n\nb";
        QTest::newRow("no break") << "plain"
                                  << "plain";
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
        QTest::newRow("accents") << QStringLiteral("Ti\u00e9 \u00b5m 20\u00b0") << false;
        QTest::newRow("line feed") << "a\nb" << true;
        QTest::newRow("carriage return") << "a\rb" << true;
        QTest::newRow("tab") << "a\tb" << true;
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

    void fileFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("project") << "Project (*.prj)|*.prj"
                                 << "Project (*.prj)";
        QTest::newRow("pattern added") << "Text|*.txt"
                                       << "Text (*.txt)";
        QTest::newRow("two pairs") << "Report (*.txt)|*.txt|All|*.*"
                                   << "Report (*.txt);;All (*.*)";
        QTest::newRow("empty") << ""
                               << "";
    }

    void fileFilters() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtFilter(filter.toStdString()), qt);
    }

    void messageBoxShowsTheMessage() {
        SeenBox seen;
        const MessageAnswer answer =
            ShowAndAnswer(Message{"\rTitle\r     Body I.D.", "Invalid Design Parameters",
                                  MessageIcon::Critical, MessageButtons::Ok},
                          Qt::Key_Enter, seen);
        QCOMPARE(answer, MessageAnswer::Ok);
        QCOMPARE(seen.text, QStringLiteral("\nTitle\n     Body I.D."));
        QCOMPARE(seen.title, QStringLiteral("Invalid Design Parameters"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.format, Qt::PlainText);
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
        QTest::newRow("yes/no/cancel, escape") << int(MessageButtons::YesNoCancel) << none
                                               << int(Qt::Key_Escape) << int(MessageAnswer::Cancel);
        QTest::newRow("yes/no, first is default")
            << int(MessageButtons::YesNo) << none << int(Qt::Key_Enter) << int(MessageAnswer::Yes);
        QTest::newRow("ok/cancel, cancel default")
            << int(MessageButtons::OkCancel) << int(MessageAnswer::Cancel) << int(Qt::Key_Enter)
            << int(MessageAnswer::Cancel);
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
        QVERIFY(store.Save("Tidewell", "Newest_Testing", "FORCETHICKEQ'S", "TRUE"));
        QVERIFY(store.Save("Tidewell", "Newest_Testing", "RECENTFILE0", "C:\\p\\tank.prj"));
        QVERIFY(store.Get("Tidewell", "Newest_Testing", "DESIGNER", value));
        QCOMPARE(value, std::string("A. Deep, Esq."));
        QVERIFY(store.Get("Tidewell", "Newest_Testing", "FORCETHICKEQ'S", value));
        QCOMPARE(value, std::string("TRUE"));
        QVERIFY(store.Get("Tidewell", "Newest_Testing", "RECENTFILE0", value));
        QCOMPARE(value, std::string("C:\\p\\tank.prj"));
        // Another section is another place.
        QVERIFY(store.Get("Tidewell", "Other", "DESIGNER", value));
        QCOMPARE(value, std::string());
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

    void referenceText() {
        const QStringList lines =
            QString::fromStdString(ReferenceText()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 38);
        QCOMPARE(lines[0],
                 QStringLiteral("   Roark's Formulas for Stress and Strain, Warren C. Young,"));
        QCOMPARE(lines[1], QStringLiteral("   Sixth Edition, McGraw-Hill, Inc., 1989."));
        QCOMPARE(lines[6],
                 QStringLiteral(
                     "       Tube: Buckling - case 20, pg 690[556] (tube ends held circular)"));
        QCOMPARE(lines[32], QStringLiteral("           1.  \"MIL-HDBK-5E\", Metallic Materials and "
                                           "Elements for Aerospace Vehicle Structures."));
        QCOMPARE(lines[37],
                 QStringLiteral("           1.  \"Plastics\", D.A.T.A. Inc., a Cordura Company."));
        // Only the texts' own indents: 3, 7 or 11 blanks, or an empty line.
        const QRegularExpression indent(QStringLiteral("^( {3}| {7}| {11})\\S"));
        for (const QString& line : lines) {
            QVERIFY2(line.isEmpty() || indent.match(line).hasMatch(), qPrintable(line));
        }
        QVERIFY(!QString::fromStdString(ReferenceText()).startsWith(QLatin1Char('\r')));
        QVERIFY(!QString::fromStdString(ReferenceText()).endsWith(QLatin1Char('\n')));
    }

    void disclaimerText() {
        const QStringList& lines = DisclaimerLines();
        QCOMPARE(lines.back(), QStringLiteral("the references provided."));
        const int safety = lines.indexOf(
            QStringLiteral("a pressure housing design where appropriate, as there are no safety "));
        QVERIFY(safety > 0);
        QCOMPARE(lines[safety - 1], QStringLiteral("of the individual designer to incorporate a "
                                                   "reasonable factor of safety into"));
        // Two paragraphs, one empty line between, each starting with an indent of 3 or 4 blanks.
        QCOMPARE(lines.count(QString()), 1);
        const int gap = lines.indexOf(QString());
        for (const QString& first : {lines.front(), lines[gap + 1]}) {
            QVERIFY(first.startsWith(QStringLiteral("   ")));
            QVERIFY(!first.startsWith(QStringLiteral("     ")));
        }
    }

    void manualOpensAtContents() {
        HelpForm help;
        help.ShowContents();
        QCOMPARE(help.CurrentPage(), QUrl(QStringLiteral("qrc:/help/index.html")));
        auto* browser = help.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Tidewell user manual")));
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
