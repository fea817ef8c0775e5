// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A session killed outright loses nothing: on a real display, one process types a new tube into
// the body editor and picks its material, and is killed with SIGKILL once its recovery copy is
// written; the next process recovers the design, performs the analysis and saves it with Save As.
// Its grid must be the table the command-line program makes of the saved file. Each session is
// this program run again with --part, so the killed one is a process of its own.

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextStream>
#include <cstdio>

#include "UiTestSupport.h"
#include "ui/BodyForm.h"
#include "ui/MATDBS.h"
#include "ui/ResultForm.h"

using namespace tidewell;

namespace {

// A row as the command-line program writes it in CSV.
QString CsvLine(const QStringList& cells) {
    static const QRegularExpression quoted(QStringLiteral("[,\"\r\n]|^ | $"));
    QStringList line;
    for (QString cell : cells) {
        if (cell.contains(quoted)) {
            cell = QLatin1Char('"') + cell.replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        }
        line << cell;
    }
    return line.join(QLatin1Char(','));
}

// The grid's rows as CSV lines, the two header rows first.
QStringList GridLines(QTableWidget* grid) {
    QStringList headers[2];
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QStringList header = grid->horizontalHeaderItem(c)->text().split(QLatin1Char('\n'));
        headers[0] << header.value(0);
        headers[1] << header.value(1);
    }
    QStringList lines{CsvLine(headers[0]), CsvLine(headers[1])};
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid->columnCount(); ++c) row << grid->item(r, c)->text();
        lines << CsvLine(row);
    }
    return lines;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    for (int waited = 0; waited < ms; waited += 100) {
        if (done()) return true;
        QTest::qWait(100);
    }
    return done();
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first session: a new tube typed in, field by field with Tab, and its material picked; once
// the recovery copy holds all of it, "copied" is printed and the session waits to be killed.
int TypingSession(const QString& folder, const QString& recovery) {
    MemorySettingsStore store;
    DesktopRun run(store, folder, QString(), recovery);
    run.StartToDesignForm();
    run.Control<QPushButton>("ShowBody")->click();
    BodyForm* body = run.main->bodyForm();
    if (!body) return 2;
    for (const auto& [field, text] :
         {std::pair{"Var_0", "100"}, std::pair{"Var_1", "120"}, std::pair{"Var_3", "300"}}) {
        auto* edit = body->findChild<QLineEdit*>(QLatin1String(field));
        edit->setFocus();
        QTest::keyClicks(edit, QLatin1String(text));
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    run.Control<QPushButton>("Command1")->click();
    MATDBS* materials = run.main->materialsForm();
    if (!materials) return 3;
    for (const auto& [list, entry] :
         {std::pair{"CategoryList", "Metals"}, std::pair{"MaterialList", "Ti-6Al-4V Annealed"}}) {
        auto* box = materials->findChild<QComboBox*>(QLatin1String(list));
        DesktopRun::Choose(box, box->findText(QLatin1String(entry)));
    }
    const QString copy = recovery + QStringLiteral("/Recovery.prj");
    if (!WaitFor(
            [&copy] {
                const QString text = ReadText(copy);
                return text.contains(QStringLiteral("Ti-6Al-4V Annealed\r\n")) &&
                       text.contains(QStringLiteral("\r\n 300\r\n"));
            },
            10000)) {
        return 4;
    }
    std::fputs("copied\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();  // until the kill
}

// The second session: the recovery is offered and taken, the analysis performed, the design
// saved with Save As to saved.prj and the grid written to grid.csv.
int RecoveringSession(const QString& folder, const QString& recovery) {
    MemorySettingsStore store;
    DesktopRun run(store, folder, QString(), recovery);
    run.messages.Answer(MessageAnswer::Yes);
    run.StartToDesignForm();
    const std::vector<std::string> texts = run.messages.Texts();
    if (texts.empty() || texts[0].rfind("Recover the unsaved design \"Project1\" (changed ", 0))
        return 5;
    if (run.design.ProjectChanged != kTrue || run.design.BodyDimEntered[3] != 300) return 6;
    run.Item("mnuitmAnalyze")->trigger();
    if (!run.main->resultForm()) return 7;
    auto* grid = run.main->resultForm()->findChild<QTableWidget*>(QStringLiteral("AnaGrid"));
    run.dialogs.saveAnswers.push_back((folder + QStringLiteral("/saved.prj")).toStdString());
    run.Item("mnuitmSaveAs")->trigger();
    if (QFile::exists(recovery + QStringLiteral("/Recovery.prj"))) return 8;
    QFile out(folder + QStringLiteral("/grid.csv"));
    if (!out.open(QIODevice::WriteOnly)) return 9;
    out.write(GridLines(grid).join(QStringLiteral("\r\n")).toUtf8());
    return 0;
}

}  // namespace

class RecoveryScenarioTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QStringList Arguments(const char* kind) const {
        return {QStringLiteral("--part"), QLatin1String(kind), folder_.path(),
                folder_.filePath(QStringLiteral("recovery"))};
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY(CopyMaterialsDatabase(folder_.path()));
    }

    void killedSessionIsRecovered() {
        QProcess typing;
        typing.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        typing.start(QCoreApplication::applicationFilePath(), Arguments("type"));
        QVERIFY(typing.waitForStarted());
        QVERIFY(WaitFor([&typing] { return typing.canReadLine() || typing.waitForReadyRead(100); },
                        60000));
        QCOMPARE(typing.readLine().trimmed(), QByteArray("copied"));
        typing.kill();  // SIGKILL: no end of run, no clean-up
        QVERIFY(typing.waitForFinished(10000));
        QCOMPARE(typing.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(folder_.filePath(QStringLiteral("recovery/Recovery.prj"))));

        QProcess recovering;
        recovering.setProcessChannelMode(QProcess::ForwardedChannels);
        recovering.start(QCoreApplication::applicationFilePath(), Arguments("recover"));
        QVERIFY(recovering.waitForFinished(60000));
        QCOMPARE(recovering.exitCode(), 0);

        QProcess cli;
        cli.start(QStringLiteral(TIDEWELL_BINARY_DIR "/bin/tidewell-cli"),
                  {QStringLiteral("table"), folder_.filePath(QStringLiteral("saved.prj")),
                   QStringLiteral("--csv"), QStringLiteral("--materials"),
                   folder_.filePath(QStringLiteral("DesMat.Dat"))});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QStringList expected = QString::fromUtf8(cli.readAllStandardOutput())
                                         .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        const QStringList shown = ReadText(folder_.filePath(QStringLiteral("grid.csv")))
                                      .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(shown.size() >= 22);
        QCOMPARE(shown, expected);
    }
};

int main(int argc, char* argv[]) {
    // Read before QApplication, which takes the arguments it knows away.
    if (argc == 5 && qstrcmp(argv[1], "--part") == 0) {
        const bool typing = qstrcmp(argv[2], "type") == 0;
        const QString folder = QString::fromLocal8Bit(argv[3]);
        const QString recovery = QString::fromLocal8Bit(argv[4]);
        QApplication app(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        return typing ? TypingSession(folder, recovery) : RecoveringSession(folder, recovery);
    }
    QApplication app(argc, argv);
    RecoveryScenarioTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryScenarioTest.moc"
