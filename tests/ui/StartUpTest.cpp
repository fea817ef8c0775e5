// The start-up sequence: splash, single-instance warning, disclaimer, menu lock, design form; the
// splash and disclaimer opened again during a session.

#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "ui/IntroForm.h"

using namespace tidewell;

namespace {
const char* const kLockedMenus[] = {"mnuFile",   "mnuEdit",   "mnuMaterials",
                                    "mnuWindow", "mnuDesign", "mnuOption"};
}

class StartUpTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    bool MenuEnabled(const DesktopRun& run, const char* name) {
        return run.main->findChild<QMenu*>(QLatin1String(name))->isEnabled();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
    }

    void splashShowsTitleWithVersion() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.main->StartUp();
        QWidget* intro = DesktopRun::TopLevel("IntroForm");
        QVERIFY(intro);
        QVERIFY(intro->isVisible());
        QCOMPARE(intro->windowTitle(), QStringLiteral("Welcome"));
        QCOMPARE(intro->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text(),
                 QStringLiteral("Tidewell  Ver. 4.6"));
        QCOMPARE(run.design.ProgramVersion, std::string("4.6"));
        // Nothing else is up yet.
        QVERIFY(!run.main->isVisible());
    }

    void splashPlacement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("full hd") << QRect(0, 0, 1920, 1080) << QSize(600, 300) << QPoint(660, 260);
        QTest::newRow("second screen")
            << QRect(1920, 0, 1280, 1024) << QSize(400, 124) << QPoint(1920 + 440, 300);
        QTest::newRow("window as large as screen")
            << QRect(0, 0, 800, 600) << QSize(800, 600) << QPoint(0, 0);
    }

    void splashPlacement() {
        QFETCH(QRect, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, expected);
        QCOMPARE(SplashPosition(screen, window), expected);
    }

    void logoClickShowsAcknowledgement() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.main->StartUp();
        QWidget* logo =
            DesktopRun::TopLevel("IntroForm")->findChild<QWidget*>(QStringLiteral("Image1"));
        QTest::mouseClick(logo, Qt::LeftButton);
        QCOMPARE(run.messages.shown.size(), std::size_t{1});
        QCOMPARE(run.messages.shown[0].text, AcknowledgementText());
        // The acknowledgement and the comments are on two lines.
        QVERIFY(run.messages.shown[0].text.find('\r') != std::string::npos);
    }

    void continueLocksMenusUntilDisclaimerAccepted() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.main->StartUp();
        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        QVERIFY(!DesktopRun::TopLevel("IntroForm")->isVisible());
        QWidget* disclaimer = DesktopRun::TopLevel("DisclaimerForm");
        QVERIFY(disclaimer->isVisible());
        QCOMPARE(disclaimer->windowTitle(), QStringLiteral("Liability Disclaimer"));
        QVERIFY(run.main->isVisible());
        QVERIFY(run.main->MenusLocked());
        for (const char* menu : kLockedMenus) QVERIFY2(!MenuEnabled(run, menu), menu);
        QVERIFY(MenuEnabled(run, "mnuHelp"));
        // The design form is not loaded before the terms are accepted.
        QVERIFY(!run.main->homeForm()->isVisible());
        QCOMPARE(run.design.ProjectTitle, std::string());

        DesktopRun::ClickTopLevel("DisclaimerForm", "ContinueOn");
        QVERIFY(!disclaimer->isVisible());
        QVERIFY(run.main->homeForm()->isVisible());
        QVERIFY(!run.main->MenusLocked());
        for (const char* menu : kLockedMenus) QVERIFY2(MenuEnabled(run, menu), menu);
        QCOMPARE(Caption(run), QStringLiteral("(Not saved)"));
        QCOMPARE(run.design.ProjectTitle, std::string("Project1"));
        QCOMPARE(run.design.BodyType, kTubeBody);
        QCOMPARE(run.design.ProjectChanged, kFalse);
        QVERIFY(run.messages.Empty());
    }

    void disclaimerQuitAtStartUpEndsAtOnce() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        QSignalSpy ended(run.main.get(), &MainForm::programEnded);
        run.main->StartUp();
        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        DesktopRun::ClickTopLevel("DisclaimerForm", "OutWeGo");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!run.main->isVisible());
        // No prompt and no preferences: nothing was loaded.
        QVERIFY(run.messages.Empty());
        QVERIFY(store.values.empty());
    }

    void secondInstanceOnlyWarns() {
        MemorySettingsStore store;
        const QString lockPath = folder_.filePath(QStringLiteral("instance.lock"));
        QLockFile firstInstance(lockPath);
        QVERIFY(firstInstance.tryLock(0));
        DesktopRun run(store, folder_.path(), lockPath);
        run.StartToDesignForm();
        QCOMPARE(run.messages.shown.size(), std::size_t{1});
        QCOMPARE(run.messages.shown[0].text,
                 std::string("A previous version of Tidewell is already running"));
        QCOMPARE(run.messages.shown[0].title, std::string());
        QCOMPARE(run.messages.shown[0].buttons, MessageButtons::Ok);
        // Start-up went on.
        QVERIFY(run.main->homeForm()->isVisible());
        QVERIFY(!run.main->MenusLocked());
    }

    void singleInstanceIsQuiet() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path(), folder_.filePath(QStringLiteral("alone.lock")));
        run.StartToDesignForm();
        QVERIFY(run.messages.Empty());
    }

    void aboutShowsSplashWhoseContinueOnlyCloses() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Item("mnuitemAbout")->trigger();
        QWidget* intro = DesktopRun::TopLevel("IntroForm");
        QVERIFY(intro->isVisible());
        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        QVERIFY(!intro->isVisible());
        QVERIFY(!DesktopRun::TopLevel("DisclaimerForm")->isVisible());
        QVERIFY(!run.main->MenusLocked());
    }

    void disclaimerAgainDoesNotReloadDesignForm() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Type("Title", QStringLiteral("Deep float"));
        run.Item("mnuitmDisclaimer")->trigger();
        QVERIFY(DesktopRun::TopLevel("DisclaimerForm")->isVisible());
        DesktopRun::ClickTopLevel("DisclaimerForm", "ContinueOn");
        QVERIFY(run.main->homeForm()->isVisible());
        QCOMPARE(run.design.ProjectTitle, std::string("Deep float"));
        QCOMPARE(run.Control<QLineEdit>("Title")->text(), QStringLiteral("Deep float"));
        QCOMPARE(run.design.ProjectChanged, kTrue);
        QVERIFY(!run.main->MenusLocked());
    }

    void disclaimerQuitDuringSessionIsTheQuitCommand() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        QSignalSpy ended(run.main.get(), &MainForm::programEnded);
        run.StartToDesignForm();
        run.Type("Designer", QStringLiteral("R. Diver"));
        run.Item("mnuitmDisclaimer")->trigger();

        // Cancel at the save prompt: the program stays, with the work.
        run.messages.Answer(MessageAnswer::Cancel);
        DesktopRun::ClickTopLevel("DisclaimerForm", "OutWeGo");
        QCOMPARE(run.messages.shown.back().title, std::string("Warning"));
        QCOMPARE(ended.count(), 0);
        QCOMPARE(run.design.DesignerName, std::string("R. Diver"));

        // No at the prompt: the run ends and the preferences are kept.
        run.messages.Answer(MessageAnswer::No);
        DesktopRun::ClickTopLevel("DisclaimerForm", "OutWeGo");
        QCOMPARE(ended.count(), 1);
        const MemorySettingsStore::Address designer{"Tidewell", "Newest_Testing", "DESIGNER"};
        QCOMPARE(store.values[designer], std::string("R. Diver"));
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
