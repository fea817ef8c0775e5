// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A user's sessions on a real display (X with a window manager), photographed into
// TIDEWELL_SCREENSHOTS if set; a session to be killed is this program run again with --part.

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

#include "UiTestSupport.h"

using namespace tidewell;

namespace {

// The window as the screen shows it, frame and all, saved under the given name.
void Photograph(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("TIDEWELL_SCREENSHOTS");
    if (folder.isEmpty() || !window) return;
    QTest::qWait(300);  // the window manager's frame and the last repaint
    const QRect frame = window->window()->frameGeometry();
    const QPixmap shot =
        window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!shot.save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")))
        qWarning("could not save the picture %s", name);
}

void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(target, key, modifiers);
}

// The first session: a new tube typed in, field by field with Tab, and its material picked; once
// the recovery copy holds all of it, "copied" is printed and the session waits to be killed.
int TypingSession(const QString& folder, const QString& recovery) {
    StartedRun run(folder, recovery);
    if (!run.TypeNewTitaniumTube()) return 2;
    const QString copy = recovery + QStringLiteral("/Recovery.prj");
    const auto copied = [&copy] {
        const QString text = QString::fromUtf8(ReadFile(copy));
        return text.contains(QStringLiteral("Ti-6Al-4V Annealed\r\n")) &&
               text.contains(QStringLiteral("\r\n 300\r\n"));
    };
    if (!QTest::qWaitFor(copied, 10000)) return 4;
    std::fputs("copied\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();  // until the kill
}

// The second session: the recovery is offered and taken, the analysis performed, the design
// saved with Save As to saved.prj and the grid written to grid.csv.
int RecoveringSession(const QString& folder, const QString& recovery) {
    DesktopRun run(folder, recovery);
    run.messages.Answer(MessageAnswer::Yes);
    run.StartToDesignForm();
    const std::vector<std::string> texts = run.messages.Texts();
    if (texts.empty() || texts[0].rfind("Recover the unsaved design \"Project1\" (changed ", 0))
        return 5;
    if (run.design.ProjectChanged != kTrue || run.design.BodyDimEntered[3] != 300) return 6;
    run.Item("mnuitmAnalyze")->trigger();
    if (!run.main->resultForm()) return 7;
    auto* grid = run.Result<QTableWidget>("AnaGrid");
    run.dialogs.saveAnswers.push_back((folder + QStringLiteral("/saved.prj")).toStdString());
    run.Item("mnuitmSaveAs")->trigger();
    if (QFile::exists(recovery + QStringLiteral("/Recovery.prj"))) return 8;
    const QByteArray csv = GridCsv(grid).join(QStringLiteral("\r\n")).toUtf8();
    return WriteFile(folder + QStringLiteral("/grid.csv"), csv) ? 0 : 9;
}

}  // namespace

class ScenariosTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString Copy(const char* example) {
        const QString target = folder_.filePath(QLatin1String(example));
        QFile::remove(target);
        QFile::copy(Example(example), target);
        return target;
    }

    QStringList Arguments(const char* kind) const {
        return {QStringLiteral("--part"), QLatin1String(kind), folder_.path(),
                folder_.filePath(QStringLiteral("recovery"))};
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(CopyMaterialsDatabase(folder_.path()));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    // New design, the material chosen in the materials window, the tube's geometry typed in its
    // editor, the analysis, and the report saved as text.
    void newTubeToReport() {
        DesktopRun run(folder_.path());
        run.main->StartUp();
        Photograph(DesktopRun::TopLevel("IntroForm"), "welcome");
        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        Photograph(DesktopRun::TopLevel("DisclaimerForm"), "disclaimer");
        DesktopRun::ClickTopLevel("DisclaimerForm", "ContinueOn");
        QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
        run.Type("Title", QStringLiteral("Tutorial tube"));
        run.Control<QPushButton>("Command1")->click();  // Choose
        QWidget* materials = run.main->materialsForm();
        QVERIFY(materials);
        for (const auto& [list, entry] : {std::pair{"CategoryList", "Metals"},
                                          {"SubCategoryList", "Titanium"},
                                          {"MaterialList", "Ti-6Al-4V Annealed"}}) {
            auto* box = Find<QComboBox>(materials, list);
            DesktopRun::Choose(box, box->findText(QLatin1String(entry)));
        }
        Photograph(materials, "materials");
        Find<QPushButton>(materials, "Done")->click();
        QCOMPARE(run.Control<QLabel>("Material")->text(), QStringLiteral("Ti-6Al-4V Annealed"));

        Key(run.main.get(), Qt::Key_B);  // View/Edit Body
        BodyForm* body = run.main->bodyForm();
        QVERIFY(body);
        for (const auto& [field, value] :
             {std::pair{"Var_1", "190"}, {"Var_2", "20"}, {"Var_3", "600"}}) {
            auto* box = Find<QLineEdit>(body, field);
            box->setFocus();
            QTest::keyClicks(box, QLatin1String(value));
            Key(box, Qt::Key_Tab, Qt::NoModifier);
        }
        Photograph(run.main.get(), "body-editor");
        Key(run.main.get(), Qt::Key_A);  // Perform Analysis
        QTRY_VERIFY(run.main->resultForm());
        QCOMPARE(run.messages.Texts(), std::vector<std::string>());
        Photograph(run.main.get(), "results");
        // The smallest range shows stresses of about zero; Fit brings the failure into the table.
        auto* range = run.Result<QComboBox>("DistortionRange");
        DesktopRun::Choose(range, 0);
        run.Result<QPushButton>("FitRange")->click();
        QCOMPARE(range->currentText(), QStringLiteral("100 - 2000 Bar"));
        Photograph(run.main.get(), "results-fit");

        const QString report = folder_.filePath(QStringLiteral("tube-report.txt"));
        run.dialogs.saveAnswers.push_back(report.toStdString());
        run.main->resultForm()->setFocus();
        run.Item("mnuitmSaveReport")->trigger();
        const QByteArray text = ReadFile(report);
        QVERIFY(text.contains("TUBE CONFIGURATION") && text.contains("Ti-6Al-4V Annealed"));
    }

    // An example opened, turned metric, saved with Ctrl+S and opened again.
    void exampleToMetricAndBack() {
        const QString path = Copy("GlassSphereFloat.prj");
        MemorySettingsStore store;
        {
            StartedRun run(store, folder_.path());
            run.dialogs.openAnswers.push_back(path.toStdString());
            Key(run.main.get(), Qt::Key_O);
            QCOMPARE(run.Caption(), QStringLiteral("GlassSphereFloat.prj"));
            Photograph(run.main.get(), "design-form");
            run.Control<QRadioButton>("UnitChoiceBox_1")->setFocus();
            Key(run.Control<QRadioButton>("UnitChoiceBox_1"), Qt::Key_Space, Qt::NoModifier);
            QCOMPARE(run.design.ProjectChanged, kTrue);
            Key(run.main.get(), Qt::Key_S);
            QCOMPARE(run.design.ProjectChanged, kFalse);
        }
        StartedRun again(store, folder_.path());
        again.dialogs.openAnswers.push_back(path.toStdString());
        Key(again.main.get(), Qt::Key_O);
        QVERIFY(again.Control<QRadioButton>("UnitChoiceBox_1")->isChecked());
        QCOMPARE(again.design.UnitSystem, int16_t{1});
        QCOMPARE(again.messages.Texts(), std::vector<std::string>());
    }

    // Ctrl+Q with a changed design: Cancel stays, No leaves the file, Yes saves it first.
    void quitWithUnsavedChanges() {
        for (const MessageAnswer answer :
             {MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes}) {
            const QString path = Copy("TitaniumTube6000m.prj");
            DesktopRun run(folder_.path());
            QSignalSpy ended(run.main.get(), &MainForm::programEnded);
            run.StartToDesignForm();
            run.dialogs.openAnswers.push_back(path.toStdString());
            Key(run.main.get(), Qt::Key_O);
            run.Type("Designer", QStringLiteral("Night shift"));
            run.messages.Answer(answer);
            Key(run.main.get(), Qt::Key_Q);
            QCOMPARE(run.messages.shown.back().title, std::string("Warning"));
            QTRY_COMPARE(ended.count(), answer == MessageAnswer::Cancel ? 0 : 1);
            const QByteArray text = ReadFile(path);
            QVERIFY(!text.isEmpty());
            QCOMPARE(text.contains("Night shift"), answer == MessageAnswer::Yes);
        }
    }

    // A new tube typed in by a session that is then killed; the next session recovers it.
    void killedSessionIsRecovered() {
        QProcess typing;
        typing.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        typing.start(QCoreApplication::applicationFilePath(), Arguments("type"));
        QVERIFY(typing.waitForStarted());
        QVERIFY(QTest::qWaitFor(
            [&typing] { return typing.canReadLine() || typing.waitForReadyRead(100); }, 60000));
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

        // The grid of the recovered run is the table the command line makes of the saved file.
        const QStringList expected =
            CliOutput({QStringLiteral("table"), folder_.filePath(QStringLiteral("saved.prj")),
                       QStringLiteral("--csv"), QStringLiteral("--materials"),
                       folder_.filePath(QStringLiteral("DesMat.Dat"))})
                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        const QStringList shown =
            QString::fromUtf8(ReadFile(folder_.filePath(QStringLiteral("grid.csv"))))
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
    ScenariosTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScenariosTest.moc"
