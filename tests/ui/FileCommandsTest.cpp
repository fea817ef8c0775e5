// The file commands: New, Open, Save, Save As, the recent projects and Quit, each with the answers
// of the save prompt; a project opened from a file filling the design form; the preferences saved
// at the end of a run and applied at the next start.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "project/ProjectWriter.h"

using namespace tidewell;

namespace {

enum class Command { New, Open, Recent, Quit, CloseBox };
enum class Reply { Cancel, No, YesSaved, YesDialogCancelled };

const MemorySettingsStore::Address Key(const char* key) {
    return {"Tidewell", "Newest_Testing", key};
}

}  // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Reply)

class FileCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

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
        design.PressureSource = 0;
        design.UnitSystem = 0;
        design.ForceThickWall = 1;
        design.EndcapDim = {6, 14, 0.5, 3, 0, 0, 0, 0};
        ScriptedMessages quiet;
        const std::string path = PathOf(name);
        if (!WriteProject(design, path, quiet)) qWarning("could not write the project");
        return path;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
        QVERIFY(CopyMaterialsDatabase(folder_.path()));
    }

    void saveOfNewProjectGoesThroughSaveAsWithTitle() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Type("Title", QStringLiteral("Probe"));
        const std::string path = PathOf("probe-first.prj");
        run.dialogs.saveAnswers.push_back(path);
        run.Item("mnuitmSave")->trigger();
        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{1});
        const FileDialogSetup& asked = run.dialogs.saveRequests[0];
        QCOMPARE(asked.fileName, std::string("Probe.prj"));
        QCOMPARE(asked.filter, std::string("Project (*.prj)|*.prj"));
        QCOMPARE(asked.defaultExtension, std::string("prj"));
        QVERIFY(asked.promptOverwrite);
        QVERIFY(QFile::exists(QString::fromStdString(path)));
        QCOMPARE(run.design.ProjectFilePath, path);
        QCOMPARE(run.design.ProjectChanged, kFalse);
        QCOMPARE(Caption(run), QStringLiteral("probe-first.prj"));
        QCOMPARE(run.main->Recent()[0], path);

        // A second Save writes to the same file without asking.
        run.Type("Designer", QStringLiteral("Me"));
        run.Item("mnuitmSave")->trigger();
        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{1});
        QCOMPARE(run.design.ProjectChanged, kFalse);
    }

    void saveAsCancelledWritesNothing() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Type("Title", QStringLiteral("Never"));
        run.Item("mnuitmSaveAs")->trigger();
        QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("Never.prj"))));
        QCOMPARE(run.design.ProjectFilePath, std::string());
        QCOMPARE(run.design.ProjectChanged, kTrue);
        QVERIFY(run.messages.Empty());
        QVERIFY(run.main->SaveCancelled());
        QVERIFY(!run.main->MenusLocked());
    }

    void savePromptAnswers_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("goesOn");
        const std::pair<const char*, Command> commands[] = {{"new", Command::New},
                                                            {"open", Command::Open},
                                                            {"recent", Command::Recent},
                                                            {"quit", Command::Quit},
                                                            {"close box", Command::CloseBox}};
        for (const auto& [name, command] : commands) {
            QTest::newRow((std::string(name) + ", cancel").c_str())
                << command << Reply::Cancel << false;
            QTest::newRow((std::string(name) + ", no").c_str()) << command << Reply::No << true;
            QTest::newRow((std::string(name) + ", yes and saved").c_str())
                << command << Reply::YesSaved << true;
            // The project is still unsaved after "Yes": going on would lose it.
            QTest::newRow((std::string(name) + ", yes but save as cancelled").c_str())
                << command << Reply::YesDialogCancelled << false;
        }
    }

    void savePromptAnswers() {
        QFETCH(Command, command);
        QFETCH(Reply, reply);
        QFETCH(bool, goesOn);
        const std::string cone = WriteConeProject("prompt-cone.prj");
        MemorySettingsStore store;
        store.values[Key("RECENTFILE0")] = cone;
        DesktopRun run(store, folder_.path());
        QSignalSpy ended(run.main.get(), &MainForm::programEnded);
        run.StartToDesignForm();
        run.Type("Title", QStringLiteral("Unsaved work"));
        run.Control<QRadioButton>("PresSourceBox_0")->click();

        switch (reply) {
            case Reply::Cancel:
                run.messages.Answer(MessageAnswer::Cancel);
                break;
            case Reply::No:
                run.messages.Answer(MessageAnswer::No);
                break;
            case Reply::YesSaved:
                run.messages.Answer(MessageAnswer::Yes);
                run.dialogs.saveAnswers.push_back(PathOf("prompt-saved.prj"));
                break;
            case Reply::YesDialogCancelled:
                run.messages.Answer(MessageAnswer::Yes);
                run.dialogs.saveAnswers.push_back(std::nullopt);
                break;
        }
        run.dialogs.openAnswers.push_back(cone);
        switch (command) {
            case Command::New:
                run.Item("mnuitmNew")->trigger();
                break;
            case Command::Open:
                run.Item("mnuItmOpen")->trigger();
                break;
            case Command::Recent:
                run.Item("mnuItmOpenProj_0")->trigger();
                break;
            case Command::Quit:
                run.Item("mnuitmQuit")->trigger();
                break;
            case Command::CloseBox:
                run.main->close();
                break;
        }

        const Message& prompt = run.messages.shown.at(0);
        QCOMPARE(prompt.text, std::string("The project that you are working on has been changed. "
                                          "Do you want to save it?"));
        QCOMPARE(prompt.title, std::string("Warning"));
        QCOMPARE(prompt.icon, MessageIcon::Question);
        QCOMPARE(prompt.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(prompt.defaultButton, std::optional<MessageAnswer>(MessageAnswer::Cancel));

        const bool yes = reply == Reply::YesSaved || reply == Reply::YesDialogCancelled;
        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{yes ? 1u : 0u});
        if (yes) QCOMPARE(run.dialogs.saveRequests[0].fileName, std::string("Unsaved work.prj"));
        if (reply == Reply::YesSaved) {
            QVERIFY(QFile::exists(folder_.filePath(QStringLiteral("prompt-saved.prj"))));
        }

        const bool quitting = command == Command::Quit || command == Command::CloseBox;
        if (!goesOn) {
            // Design and path untouched, the program still running.
            QCOMPARE(run.design.ProjectTitle, std::string("Unsaved work"));
            QCOMPARE(run.design.PressureSource, int16_t{0});
            QCOMPARE(run.design.ProjectFilePath, std::string());
            QCOMPARE(run.Control<QLineEdit>("Title")->text(), QStringLiteral("Unsaved work"));
            QCOMPARE(ended.count(), 0);
            QVERIFY(run.main->isVisible());
            QVERIFY(run.dialogs.openRequests.empty());
            return;
        }
        if (quitting) {
            QCOMPARE(ended.count(), 1);
            QVERIFY(!run.main->isVisible());
            QCOMPARE(store.values[Key("PROJECTTITLE")], std::string("Unsaved work"));
        } else if (command == Command::New) {
            QCOMPARE(run.design.ProjectTitle, std::string("Project1"));
            QCOMPARE(run.design.ProjectFilePath, std::string());
            QCOMPARE(Caption(run), QStringLiteral("(Not saved)"));
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
            DesktopRun run(store, folder_.path());
            run.StartToDesignForm();
            run.dialogs.openAnswers.push_back(cone);
            run.Item("mnuItmOpen")->trigger();

            QCOMPARE(run.dialogs.openRequests.at(0).filter, std::string("Project (*.prj)|*.prj"));
            QCOMPARE(Caption(run), QStringLiteral("filled-cone.prj"));
            QCOMPARE(run.Control<QLineEdit>("Title")->text(), QStringLiteral("Cone cap"));
            QCOMPARE(run.Control<QLineEdit>("Designer")->text(), QStringLiteral("A. Deep"));
            QCOMPARE(run.Control<QLineEdit>("Description")->text(),
                     QStringLiteral("Conical endcap, 3000 m"));
            QCOMPARE(run.Control<QComboBox>("BodyBox")->currentText(),
                     QStringLiteral("Endcap Only"));
            QCOMPARE(run.Control<QComboBox>("EndCapBox")->currentText(), QStringLiteral("Conical"));
            QVERIFY(run.Control<QWidget>("RestraintFrame")->isHidden());
            QVERIFY(run.Control<QRadioButton>("PresSourceBox_0")->isChecked());
            QVERIFY(run.Control<QRadioButton>("UnitChoiceBox_0")->isChecked());
            QVERIFY(run.Control<QCheckBox>("ForceThickChk")->isChecked());
            QVERIFY(!run.Control<QCheckBox>("WorkStrengthChk")->isChecked());
            QCOMPARE(run.design.EndcapDim[1], 14.0);
            QCOMPARE(run.design.EndcapType, kConicalEndcap);
            // Filling the form from the file is no edit: the file stays the project's file.
            QCOMPARE(run.design.ProjectFilePath, cone);
            QCOMPARE(run.design.ProjectChanged, kFalse);
            QCOMPARE(run.main->Recent()[0], cone);
            QVERIFY(!run.main->MenusLocked());

            // So Save writes back to the opened file.
            run.Control<QCheckBox>("WorkStrengthChk")->click();
            run.Item("mnuitmSave")->trigger();
            QVERIFY(run.dialogs.saveRequests.empty());
            QCOMPARE(run.design.ProjectChanged, kFalse);
        }
        if (QTest::currentTestFailed()) return;
        // The next run opens the file as saved.
        DesktopRun again(store, folder_.path());
        again.StartToDesignForm();
        again.dialogs.openAnswers.push_back(cone);
        again.Item("mnuItmOpen")->trigger();
        QVERIFY(again.Control<QCheckBox>("WorkStrengthChk")->isChecked());
    }

    void openResetsAnalysisScope() {
        const std::string cone = WriteConeProject("scope-cone.prj");
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.design.AnalysisScope = 1;
        run.dialogs.openAnswers.push_back(cone);
        run.Item("mnuItmOpen")->trigger();
        QCOMPARE(run.design.AnalysisScope, int16_t{0});
    }

    void failedOpenLeavesNoPath_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QString() << "File not found";
        QTest::newRow("not a project") << "Shopping list\r\nmilk\r\n"
                                       << "is not a valid project file";
        QTest::newRow("cut short") << "Tidewell Ver. 4.6  Brackwater\r\nTitle\r\n"
                                   << "Input past end of file or Invalid file type";
    }

    void failedOpenLeavesNoPath() {
        QFETCH(QString, content);
        QFETCH(QString, message);
        const std::string path = PathOf(content.isEmpty() ? "absent.prj" : "broken.prj");
        if (!content.isEmpty()) {
            QFile file(QString::fromStdString(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
        }
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.dialogs.openAnswers.push_back(path);
        run.Item("mnuItmOpen")->trigger();
        QVERIFY(!run.messages.Empty());
        QVERIFY2(run.messages.shown.back().text.find(message.toStdString()) != std::string::npos,
                 run.messages.shown.back().text.c_str());
        QCOMPARE(run.design.ProjectFilePath, std::string());
        QCOMPARE(run.design.ProjectTitle, std::string("Project1"));
        QCOMPARE(Caption(run), QStringLiteral("(Not saved)"));
        QVERIFY(!run.main->MenusLocked());
        // A later Save asks for a name instead of writing over the file that failed.
        run.Item("mnuitmSave")->trigger();
        QCOMPARE(run.dialogs.saveRequests.size(), std::size_t{1});
        if (!content.isEmpty()) {
            QFile file(QString::fromStdString(path));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), content);
        }
    }

    void openCancelledChangesNothing() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.dialogs.openAnswers.push_back(std::nullopt);
        run.Item("mnuItmOpen")->trigger();
        QVERIFY(run.messages.Empty());
        QCOMPARE(Caption(run), QStringLiteral("(Not saved)"));
        QCOMPARE(run.main->Recent()[0], std::string("Example1.PRJ"));
    }

    void failedSaveKeepsProjectUnsaved() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Type("Title", QStringLiteral("Nowhere"));
        const std::string impossible = PathOf("no-such-folder/Nowhere.prj");
        run.dialogs.saveAnswers.push_back(impossible);
        run.Item("mnuitmSaveAs")->trigger();
        QCOMPARE(run.messages.shown.size(), std::size_t{1});
        QCOMPARE(run.design.ProjectChanged, kTrue);
        QCOMPARE(run.design.ProjectFilePath, std::string());
        QCOMPARE(Caption(run), QStringLiteral("(Not saved)"));
        QVERIFY(!run.main->MenusLocked());

        // "Yes" at the prompt with a save that fails counts as Cancel.
        run.messages.Clear();
        run.messages.Answer(MessageAnswer::Yes);
        run.dialogs.saveAnswers.push_back(impossible);
        run.Item("mnuitmNew")->trigger();
        QVERIFY(run.main->SaveCancelled());
        QCOMPARE(run.design.ProjectTitle, std::string("Nowhere"));
    }

    void recentProjects() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        // First run: four example names, all items shown.
        for (int i = 0; i < 4; ++i) {
            QAction* item = run.Item(QStringLiteral("mnuItmOpenProj_%1").arg(i).toLatin1());
            QCOMPARE(item->text(), QStringLiteral("&%1 Example%1.PRJ").arg(i + 1));
            QVERIFY(item->isVisible());
        }
        const std::string a = PathOf("recent-a.prj");
        const std::string b = PathOf("recent-b.prj");
        run.Type("Title", QStringLiteral("A"));
        run.dialogs.saveAnswers.push_back(a);
        run.Item("mnuitmSaveAs")->trigger();
        run.Type("Title", QStringLiteral("B"));
        run.dialogs.saveAnswers.push_back(b);
        run.Item("mnuitmSaveAs")->trigger();
        QCOMPARE(run.main->Recent()[0], b);
        QCOMPARE(run.main->Recent()[1], a);
        QCOMPARE(run.main->Recent()[2], std::string("Example1.PRJ"));
        QCOMPARE(run.Item("mnuItmOpenProj_0")->text(), QString::fromStdString("&1 " + b));

        // Opening the second entry moves it to the top.
        run.Item("mnuItmOpenProj_1")->trigger();
        QCOMPARE(run.design.ProjectTitle, std::string("A"));
        QCOMPARE(run.design.ProjectFilePath, a);
        QCOMPARE(Caption(run), QStringLiteral("recent-a.prj"));
        QCOMPARE(run.main->Recent()[0], a);
        QCOMPARE(run.main->Recent()[1], b);
        QCOMPARE(run.design.ProjectChanged, kFalse);

        // Opening the first entry leaves the list as it is.
        run.Item("mnuItmOpenProj_0")->trigger();
        QCOMPARE(run.main->Recent()[0], a);
        QCOMPARE(run.main->Recent()[1], b);
    }

    void recentEntryThatFailsLeavesNoPath() {
        MemorySettingsStore store;
        store.values[Key("RECENTFILE2")] = PathOf("gone-away.prj");
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Item("mnuItmOpenProj_2")->trigger();
        QCOMPARE(run.messages.Texts(), std::vector<std::string>({"File not found"}));
        QCOMPARE(run.design.ProjectFilePath, std::string());
        // A failed entry does not move up.
        QCOMPARE(run.main->Recent()[2], PathOf("gone-away.prj"));
    }

    void preferencesCarryToNextStart() {
        MemorySettingsStore store;
        {
            DesktopRun first(store, folder_.path());
            first.StartToDesignForm();
            first.Type("Designer", QStringLiteral("K. Kelp"));
            DesktopRun::Choose(first.Control<QComboBox>("BodyBox"), 2);
            DesktopRun::Choose(first.Control<QComboBox>("EndCapBox"), 1);
            first.Control<QRadioButton>("UnitChoiceBox_0")->click();
            first.Control<QRadioButton>("PresSourceBox_0")->click();
            first.Control<QCheckBox>("ForceThickChk")->click();
            first.design.SignificantDigits = 3;
            first.messages.Answer(MessageAnswer::No);
            first.Item("mnuitmQuit")->trigger();
        }
        QCOMPARE(store.values[Key("DESIGNER")], std::string("K. Kelp"));
        QCOMPARE(store.values[Key("DEFAULTBODY")], std::string("ENDCAP ONLY"));
        QCOMPARE(store.values[Key("DEFAULTENDCAP")], std::string("CONIC"));
        QCOMPARE(store.values[Key("DEFAULTUNITS")], std::string("ENGLISH"));
        QCOMPARE(store.values[Key("RECENTFILE0")], std::string("Example1.PRJ"));

        DesktopRun next(store, folder_.path());
        next.StartToDesignForm();
        QCOMPARE(next.Control<QLineEdit>("Designer")->text(), QStringLiteral("K. Kelp"));
        QCOMPARE(next.design.DesignerName, std::string("K. Kelp"));
        QCOMPARE(next.Control<QComboBox>("BodyBox")->currentText(), QStringLiteral("Endcap Only"));
        QCOMPARE(next.Control<QComboBox>("EndCapBox")->currentText(), QStringLiteral("Conical"));
        QCOMPARE(next.design.EndcapType, kConicalEndcap);
        QVERIFY(next.Control<QRadioButton>("UnitChoiceBox_0")->isChecked());
        QVERIFY(next.Control<QRadioButton>("PresSourceBox_0")->isChecked());
        QVERIFY(next.Control<QCheckBox>("ForceThickChk")->isChecked());
        QCOMPARE(next.design.SignificantDigits, int16_t{3});
        QCOMPARE(next.Control<QLineEdit>("Title")->text(), QStringLiteral("Project1"));
        QCOMPARE(next.design.ProjectChanged, kFalse);
        QCOMPARE(Caption(next), QStringLiteral("(Not saved)"));
    }

    void storedMaterialIsLoaded() {
        MemorySettingsStore store;
        store.values[Key("DEFAULTMATERIAL")] = "6061-T6 Aluminum";
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        QVERIFY(run.messages.Empty());
        QCOMPARE(run.Control<QLabel>("Material")->text(), QStringLiteral("6061-T6 Aluminum"));
        QCOMPARE(run.design.LoadedMaterialName, std::string("6061-T6 Aluminum"));
        // 35 Ksi and 9.9 Mpsi in the database, held in psi.
        QCOMPARE(run.design.YieldStrength, 35000.0);
        QCOMPARE(run.design.YoungsModulus, 9.9e6);
        QCOMPARE(run.design.ProjectChanged, kFalse);
    }

    void storedMaterialMissingFromDatabaseIsCleared() {
        MemorySettingsStore store;
        store.values[Key("DEFAULTMATERIAL")] = "Unobtainium";
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        QCOMPARE(run.messages.Texts(),
                 std::vector<std::string>({"The material \"Unobtainium\" not found in database."}));
        QCOMPARE(run.Control<QLabel>("Material")->text(), QString());
        QCOMPARE(run.design.MaterialName, std::string());
        QCOMPARE(run.design.ProjectChanged, kFalse);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
