// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A session killed outright loses nothing: on a real display, one process types a new tube into
// the body editor and picks its material, and is killed with SIGKILL once its recovery copy is
// written; the next process recovers the design, performs the analysis and saves it with Save As.
// Its grid must be the table the command-line program makes of the saved file. Each session is
// this program run again with --part, so the killed one is a process of its own.

#include <QApplication>
#include <QProcess>
#include <QTextStream>
#include <cstdio>

#include "UiTestSupport.h"
#include "ui/ResultForm.h"

using namespace tidewell;

namespace {

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
    if (!run.TypeNewTitaniumTube()) return 2;
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
    QStringList lines;
    for (const QStringList& row : GridCells(grid)) lines << CsvLine(row);
    out.write(lines.join(QStringLiteral("\r\n")).toUtf8());
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
