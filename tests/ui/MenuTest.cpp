// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_, false)); }

    void itemsAsStarted() {
        // Before a results window or a body exists, the report items and the editors are
        // unusable; a hidden item's shortcut does nothing either.
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        for (const char* name : {"mnuitmPrintSetup", "mnuitmPrint", "mnuItmOpenProj_0",
                                 "mnuitmUndo", "mnuitmCopyReport", "mnuitmBody", "mnuitmEndcap"})
            QVERIFY2(!run.Item(name)->isEnabled() || !run.Item(name)->isVisible(), name);
        for (const char* name : {"mnuitmNew", "mnuItmOpen", "mnuitmSave", "mnuitmSaveAs",
                                 "mnuitmQuit", "mnuitmCut", "mnuitmCopy", "mnuitmPaste",
                                 "mnuitmDelete", "mnuitmViewProp", "mnuitmAnalyze", "mnuitmFormat"})
            QVERIFY2(run.Item(name)->isEnabled() && run.Item(name)->isVisible(), name);
        QCOMPARE(run.Item("mnuitmPrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(run.Item("mnuitemHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void ctrlAInTextBoxRunsTheWholeAnalysis() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
        // A scope left from an editor run must not hide the body checks.
        run.design.AnalysisScope = 2;
        auto* title = run.Control<QLineEdit>("Title");
        title->setFocus();
        QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(run.messages.shown.size(), std::size_t{1});
        QCOMPARE(run.messages.shown[0].title, std::string("Invalid Design Parameters"));
        QCOMPARE(run.messages.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(run.design.AnalysisScope, int16_t{0});
        QVERIFY(run.messages.shown[0].text.find("     Body I.D.") != std::string::npos);
        QVERIFY(run.messages.shown[0].text.find("Material Properties:") != std::string::npos);
        // The box did not select its text: the key went to the menu.
        QVERIFY(!title->hasSelectedText());
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
