// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands with every answer of the save prompt, a project opened into the design form,
// and unsaved work of a run that never ended offered and brought back by the next run.

#include "UiTestSupport.h"
#include "project/ProjectWriter.h"

using namespace tidewell;

namespace {

const char* const kQuestionStart = "Recover the unsaved design \"";

// In the order of the rows' names.
enum class Reply { Cancel, No, YesSaved, YesDialogCancelled };

const MemorySettingsStore::Address Key(const char* key) {
    return {"Tidewell", "Newest_Testing", key};
}

}  // namespace

Q_DECLARE_METATYPE(Reply)

class FileCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString recovery_;

    std::string PathOf(const char* name) const {
        return folder_.filePath(QLatin1String(name)).toStdString();
    }

    // A project file written by the program's own writer.
    std::string WriteConeProject(const char* name) {
        DesignRecord design;
        NewProject(design);
        design.ProgramVersion = "4.6";
        design.ProjectTitle = "Cone cap";
        design.DesignerName = "A. Deep";
        design.ProjectDescription = "Conical endcap, 3000 m";
        SelectBody(design, 2);
        SelectEndcap(design, 1);
        design.PressureSource = design.UnitSystem = 0;
        design.ForceThickWall = 1;
        design.EndcapDim = {6, 14, 0.5, 3, 0, 0, 0, 0};
        ScriptedMessages quiet;
        const std::string path = PathOf(name);
        if (!WriteProject(design, path, quiet)) qWarning("could not write the project");
        return path;
    }

    QString CopyPath() const { return recovery_ + QStringLiteral("/Recovery.prj"); }

    // A run whose design was opened from the example and then changed, left without quitting
    // once the copy has been written, as a crash leaves it; returns the design it had. A new
    // title makes it a design of no file; a new designer keeps its file.
    DesignRecord CrashedRun(const QString& title, const QString& designer) {
        StartedRun run(folder_.path(), recovery_);
        run.Open(Example("TitaniumTube6000m.prj"));
        if (!title.isEmpty()) run.Type("Title", title);
        run.Type("Designer", designer);
        run.Control<QAbstractButton>("ForceThickChk")->click();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(CopyPath()), 2500); }();
        return run.design;
    }

private slots:
    void initTestCase() {
        QVERIFY(PrepareTestFolder(folder_));
        recovery_ = folder_.filePath(QStringLiteral("recovery"));
    }

    void init() { QDir(recovery_).removeRecursively(); }

    void saveOfNewProjectGoesThroughSaveAsWithTitle() {
        StartedRun run(folder_.path());
        run.Type("Title", QStringLiteral("Probe"));
        const std::string path = PathOf("probe-first.prj");
        run.dialogs.saveAnswers.push_back(path);
        run.Item("mnuitmSave")->trigger();
        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{1});
        QCOMPARE(run.dialogs.saveRequests[0].fileName, std::string("Probe.prj"));
        QVERIFY(QFile::exists(QString::fromStdString(path)));
        QCOMPARE(run.design.ProjectFilePath, path);
        QCOMPARE(run.design.ProjectChanged, kFalse);
        QCOMPARE(run.Caption(), QStringLiteral("probe-first.prj"));

        // A second Save writes to the same file without asking.
        run.Type("Designer", QStringLiteral("Me"));
        run.Item("mnuitmSave")->trigger();
        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{1});
        QCOMPARE(run.design.ProjectChanged, kFalse);
    }

    void savePromptAnswers_data() {
        QTest::addColumn<QByteArray>("item");  // the menu item; none: the close box
        QTest::addColumn<Reply>("reply");
        const char* const replies[] = {"cancel", "no", "yes and saved",
                                       "yes but save as cancelled"};
        for (const char* item : {"mnuitmNew", "mnuItmOpen", "mnuItmOpenProj_0", "mnuitmQuit", ""}) {
            for (int r = 0; r < 4; ++r) {
                QTest::newRow((std::string(*item ? item : "close box") + ", " + replies[r]).c_str())
                    << QByteArray(item) << static_cast<Reply>(r);
            }
        }
    }

    void savePromptAnswers() {
        QFETCH(QByteArray, item);
        QFETCH(Reply, reply);
        // The project is still unsaved after "Yes" and a cancelled Save As: going on would lose it.
        const bool goesOn = reply == Reply::No || reply == Reply::YesSaved;
        const std::string cone = WriteConeProject("prompt-cone.prj");
        MemorySettingsStore store;
        store.values[Key("RECENTFILE0")] = cone;
        DesktopRun run(store, folder_.path());
        QSignalSpy ended(run.main.get(), &MainForm::programEnded);
        run.StartToDesignForm();
        run.Type("Title", QStringLiteral("Unsaved work"));
        run.Control<QRadioButton>("PresSourceBox_0")->click();

        const bool yes = reply == Reply::YesSaved || reply == Reply::YesDialogCancelled;
        run.messages.Answer(yes                      ? MessageAnswer::Yes
                            : reply == Reply::Cancel ? MessageAnswer::Cancel
                                                     : MessageAnswer::No);
        if (reply == Reply::YesSaved) run.dialogs.saveAnswers.push_back(PathOf("prompt-saved.prj"));
        if (reply == Reply::YesDialogCancelled) run.dialogs.saveAnswers.push_back(std::nullopt);
        run.dialogs.openAnswers.push_back(cone);
        if (item.isEmpty()) run.main->close();
        if (!item.isEmpty()) run.Item(item.constData())->trigger();

        const Message& prompt = run.messages.shown.at(0);
        QCOMPARE(prompt.text, std::string("The project that you are working on has been changed. "
                                          "Do you want to save it?"));
        QCOMPARE(prompt.defaultButton, std::optional<MessageAnswer>(MessageAnswer::Cancel));

        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{yes ? 1u : 0u});
        if (yes) QCOMPARE(run.dialogs.saveRequests[0].fileName, std::string("Unsaved work.prj"));
        if (reply == Reply::YesSaved)
            QVERIFY(QFile::exists(folder_.filePath(QStringLiteral("prompt-saved.prj"))));

        const bool quitting = item.isEmpty() || item == "mnuitmQuit";
        if (!goesOn) {
            // Design and path untouched, the program still running.
            QCOMPARE(run.design.ProjectTitle, std::string("Unsaved work"));
            QCOMPARE(run.design.ProjectFilePath, std::string());
            QCOMPARE(ended.count(), 0);
            QVERIFY(run.dialogs.openRequests.empty());
            return;
        }
        if (quitting) {
            QCOMPARE(ended.count(), 1);
            QVERIFY(!run.main->isVisible());
            QCOMPARE(store.values[Key("PROJECTTITLE")], std::string("Unsaved work"));
        } else if (item == "mnuitmNew") {
            QCOMPARE(run.design.ProjectTitle, std::string("Project1"));
            QCOMPARE(run.design.ProjectFilePath, std::string());
            QCOMPARE(run.Caption(), QStringLiteral("(Not saved)"));
            QCOMPARE(run.design.ProjectChanged, kFalse);
        } else {
            QCOMPARE(run.design.ProjectTitle, std::string("Cone cap"));
            QCOMPARE(run.design.ProjectChanged, kFalse);
        }
    }

    void openedProjectFillsDesignForm() {
        const std::string cone = WriteConeProject("filled-cone.prj");
        MemorySettingsStore store;
        {  // the first run, closed before the next one starts
            StartedRun run(store, folder_.path());
            run.Open(QString::fromStdString(cone));

            QCOMPARE(run.dialogs.openRequests.at(0).filter, std::string("Project (*.prj)|*.prj"));
            QCOMPARE((QStringList{run.Caption(), run.Control<QLineEdit>("Title")->text(),
                                  run.Control<QComboBox>("BodyBox")->currentText(),
                                  run.Control<QComboBox>("EndCapBox")->currentText()}),
                     Texts({"filled-cone.prj", "Cone cap", "Endcap Only", "Conical"}));
            QCOMPARE((std::vector<bool>{run.Control<QRadioButton>("PresSourceBox_0")->isChecked(),
                                        run.Control<QCheckBox>("ForceThickChk")->isChecked(),
                                        run.Control<QCheckBox>("WorkStrengthChk")->isChecked()}),
                     (std::vector<bool>{true, true, false}));
            QCOMPARE(run.design.EndcapDim[1], 14.0);
            QCOMPARE(run.design.EndcapType, kConicalEndcap);
            // Filling the form from the file is no edit: the file stays the project's file.
            QCOMPARE(run.design.ProjectFilePath, cone);
            QCOMPARE(run.design.ProjectChanged, kFalse);

            // So Save writes back to the opened file.
            run.Control<QCheckBox>("WorkStrengthChk")->click();
            run.Item("mnuitmSave")->trigger();
            QVERIFY(run.dialogs.saveRequests.empty());
            QCOMPARE(run.design.ProjectChanged, kFalse);
        }
        if (QTest::currentTestFailed()) return;
        // The next run opens the file as saved.
        StartedRun again(store, folder_.path());
        again.Open(QString::fromStdString(cone));
        QVERIFY(again.Control<QCheckBox>("WorkStrengthChk")->isChecked());
    }

    void recoveredDesignIsTheUnsavedOne() {
        const DesignRecord lost = CrashedRun(QString(), QStringLiteral("R. Diver"));
        QVERIFY(!QTest::currentTestFailed());

        DesktopRun next(folder_.path(), recovery_);
        next.messages.Answer(MessageAnswer::Yes);
        next.StartToDesignForm();
        QVERIFY(next.messages.Texts().at(0).rfind(
                    std::string(kQuestionStart) + "Titanium tube for 6000 m\" (changed ", 0) == 0);
        // Every field a project holds, the material's properties, and the file it belongs to.
        QCOMPARE(ProjectFileText(next.design), ProjectFileText(lost));
        QCOMPARE(
            std::tuple(next.design.YoungsModulus, next.design.Density, next.design.YieldStrength),
            std::tuple(lost.YoungsModulus, lost.Density, lost.YieldStrength));
        QVERIFY(QString::fromStdString(lost.ProjectFilePath)
                    .endsWith(QStringLiteral("TitaniumTube6000m.prj")));
        QCOMPARE(next.design.ProjectFilePath, lost.ProjectFilePath);
        QCOMPARE(next.Caption(), QStringLiteral("TitaniumTube6000m.prj"));
        QCOMPARE(next.design.ProjectChanged, kTrue);

        // Saved to its own place (Save As here, to keep the example): the copy goes.
        const QString saved = folder_.filePath(QStringLiteral("saved.prj"));
        next.dialogs.saveAnswers.push_back(saved.toStdString());
        next.Item("mnuitmSaveAs")->trigger();
        QVERIFY(QFile::exists(saved));
        QVERIFY(!QFile::exists(CopyPath()));
    }

    void noRemovesTheCopy() {
        CrashedRun(QStringLiteral("Given up"), QStringLiteral("R. Diver"));
        QVERIFY(!QTest::currentTestFailed());
        DesktopRun next(folder_.path(), recovery_);
        next.messages.Answer(MessageAnswer::No);
        next.StartToDesignForm();
        QVERIFY(next.messages.Texts().at(0).rfind(std::string(kQuestionStart) + "Given up\"", 0) ==
                0);
        QVERIFY(!QFile::exists(CopyPath()));
        QCOMPARE(next.design.ProjectTitle, std::string("Project1"));
    }

    void damagedCopyIsKeptAndTheStartGoesOn() {
        QVERIFY(QDir().mkpath(recovery_));
        QVERIFY(WriteFile(CopyPath(), "Tidewell Ver. 4.6  Brackwater\r\nCut short\r\n"));
        StartedRun next(folder_.path(), recovery_);
        QCOMPARE(CountStarting(next.messages, kQuestionStart), size_t{0});
        QCOMPARE(next.messages.shown.size(), size_t{1});
        QVERIFY(next.messages.Texts()[0].find("could not be used: it is damaged") !=
                std::string::npos);
        QVERIFY(!QFile::exists(CopyPath()));
        QVERIFY(QFile::exists(recovery_ + QStringLiteral("/Recovery-damaged-1.prj")));
        QCOMPARE(next.design.ProjectTitle, std::string("Project1"));
        QVERIFY(!next.main->MenusLocked());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
