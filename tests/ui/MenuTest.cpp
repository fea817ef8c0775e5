// The main window's menus: every item with its caption, shortcut and initial state, the menu lock,
// the shortcuts that win over a focused text box and pasting into one-line boxes.

#include <QClipboard>
#include <QMenu>

#include "UiTestSupport.h"

using namespace tidewell;

class MenuTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
    }

    void itemsAsStarted_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        // A hidden item is also unusable: its shortcut does nothing.
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        auto row = [](const char* item, const char* menu, const char* caption, const char* shortcut,
                      bool enabled, bool visible) {
            QTest::newRow(item) << QString::fromLatin1(menu) << QString::fromLatin1(caption)
                                << QString::fromLatin1(shortcut) << enabled << visible;
        };
        row("mnuitmNew", "mnuFile", "&New Design", "Ctrl+N", true, true);
        row("mnuItmOpen", "mnuFile", "&Open Design", "Ctrl+O", true, true);
        row("mnuitmSave", "mnuFile", "&Save Design", "Ctrl+S", true, true);
        row("mnuitmSaveAs", "mnuFile", "Save &As. . .", "", true, true);
        row("mnuitmPrintSetup", "mnuFile", "Print S&etup . . .", "", false, true);
        row("mnuitmPrint", "mnuFile", "&Print . . .", "Ctrl+P", false, true);
        row("mnuitmQuit", "mnuFile", "&Quit", "Ctrl+Q", true, true);
        row("mnuItmOpenProj_0", "mnuFile", "1st", "", false, false);
        row("mnuItmOpenProj_1", "mnuFile", "2nd", "", true, true);
        row("mnuItmOpenProj_2", "mnuFile", "3rd", "", true, true);
        row("mnuItmOpenProj_3", "mnuFile", "4th", "", true, true);
        row("mnuitmUndo", "mnuEdit", "&Undo", "Ctrl+Z", false, false);
        row("mnuitmCut", "mnuEdit", "Cu&t", "Ctrl+X", true, true);
        row("mnuitmCopy", "mnuEdit", "&Copy", "Ctrl+C", true, true);
        row("mnuitmPaste", "mnuEdit", "&Paste", "Ctrl+V", true, true);
        row("mnuitmDelete", "mnuEdit", "&Delete", "Ctrl+D", true, true);
        row("mnuitmCopyReport", "mnuEdit", "&Copy Analysis to Clipboard", "Ctrl+R", false, false);
        row("mnuitmViewProp", "mnuMaterials", "&View Materials", "", true, true);
        row("mnuitmReferences", "mnuWindow", "&References", "", true, true);
        row("mnuitmDisclaimer", "mnuWindow", "&Disclaimer", "", true, true);
        row("mnuitmBody", "mnuDesign", "View/Edit &Body", "Ctrl+B", false, true);
        row("mnuitmEndcap", "mnuDesign", "View/Edit &Endcap", "Ctrl+E", false, true);
        row("mnuitmAnalyze", "mnuDesign", "Perform &Analysis", "Ctrl+A", true, true);
        row("mnuitmFormat", "mnuOption", "Display Format. . .", "", true, true);
        row("MnuItmDefaults", "mnuOption", "Revert to defaults", "", true, true);
        row("mnuitemHelp", "mnuHelp", "Help", "", true, true);
        row("mnuitemAbout", "mnuHelp", "&About Tidewell", "", true, true);
    }

    void itemsAsStarted() {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, visible);
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        QAction* item = run.Item(QTest::currentDataTag());
        QVERIFY(item);
        QVERIFY(run.main->findChild<QMenu*>(menu)->actions().contains(item));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->isVisible(), visible);
    }

    void ctrlAInTextBoxRunsAnalysis() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
        auto* title = run.Control<QLineEdit>("Title");
        title->setFocus();
        QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(run.messages.shown.size(), std::size_t{1});
        QCOMPARE(run.messages.shown[0].title, std::string("Invalid Design Parameters"));
        QCOMPARE(run.messages.shown[0].icon, MessageIcon::Critical);
        // The box did not select its text: the key went to the menu.
        QVERIFY(!title->hasSelectedText());
    }

    void analysisListsEveryFaultAndResetsScope() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        // A scope left from an editor run must not hide the body checks.
        run.design.AnalysisScope = 2;
        run.Item("mnuitmAnalyze")->trigger();
        QCOMPARE(run.design.AnalysisScope, int16_t{0});
        const std::string& text = run.messages.shown.at(0).text;
        QVERIFY(text.find("     Body I.D.") != std::string::npos);
        QVERIFY(text.find("Material Properties:") != std::string::npos);
    }

    void pastedLineBreakIsRefused() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        for (const char* box : {"Title", "Description"}) {
            auto* edit = run.Control<QLineEdit>(box);
            edit->setFocus();
            edit->selectAll();
            const QString before = edit->text();
            QApplication::clipboard()->setText(QStringLiteral("first\nsecond"));
            run.Item("mnuitmPaste")->trigger();
            QCOMPARE(edit->text(), before);
            QApplication::clipboard()->setText(QStringLiteral("tab\there"));
            edit->paste();
            QCOMPARE(edit->text(), before);
        }
        QCOMPARE(run.design.ProjectTitle, std::string("Project1"));
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
