// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: splash, disclaimer, menu lock, the menus' items and shortcuts, a project named on the
// command line, what a screen reader is told about the controls and the keyboard order; the Qt
// sides of the seams (message boxes, line breaks, one-line boxes, settings) and the manual's links.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "UiTestSupport.h"
#include "ui/IntroForm.h"
#include "ui/QSettingsStore.h"
#include "ui/QtText.h"
#include "ui/QtUserMessages.h"
#include "ui/SingleLineEdit.h"

using namespace tidewell;

namespace {

QAccessibleInterface* Reader(QWidget* widget) {
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// What a screen reader announces a control by: its name, or for a drop-down list (whose name
// on this desktop is its current entry) the label that the list is tied to.
QString NameOf(QWidget* window, const char* control) {
    QAccessibleInterface* reader = Reader(Find(window, control));
    if (!reader) return QStringLiteral("(no control)");
    if (reader->role() != QAccessible::ComboBox) return reader->text(QAccessible::Name);
    const auto labels = reader->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}
QStringList NamesOf(QWidget* window, std::initializer_list<const char*> controls) {
    QStringList names;
    for (const char* control : controls) names << NameOf(window, control);
    return names;
}

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

class StartUpTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // Which of the menus that the disclaimer locks are enabled, and Help.
    static std::vector<bool> MenusEnabled(const DesktopRun& run) {
        std::vector<bool> enabled;
        for (const char* menu : {"mnuFile", "mnuEdit", "mnuMaterials", "mnuWindow", "mnuDesign",
                                 "mnuOption", "mnuHelp"})
            enabled.push_back(Find<QMenu>(run.main.get(), menu)->isEnabled());
        return enabled;
    }

    // What a run shows when it opens the path: named at start-up, or chosen in File > Open.
    std::vector<std::string> MessagesOpening(const QString& path, bool atStartUp) {
        DesktopRun run(folder_.path());
        if (atStartUp) run.main->OpenAfterStartUp(path.toStdString());
        run.StartToDesignForm();
        if (!atStartUp) run.Open(path);
        [&] { QCOMPARE(run.design.ProjectFilePath, std::string()); }();
        return run.messages.Texts();
    }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

    void continueLocksMenusUntilDisclaimerAccepted() {
        DesktopRun run(folder_.path());
        run.main->StartUp();
        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        QWidget* disclaimer = DesktopRun::TopLevel("DisclaimerForm");
        QVERIFY(disclaimer->isVisible());
        QVERIFY(run.main->MenusLocked());
        QCOMPARE(MenusEnabled(run),
                 (std::vector<bool>{false, false, false, false, false, false, true}));
        // The design form is not loaded before the terms are accepted.
        QVERIFY(!run.main->homeForm()->isVisible());
        QCOMPARE(run.design.ProjectTitle, std::string());

        DesktopRun::ClickTopLevel("DisclaimerForm", "ContinueOn");
        QVERIFY(!disclaimer->isVisible());
        QVERIFY(run.main->homeForm()->isVisible());
        QVERIFY(!run.main->MenusLocked());
        QCOMPARE(MenusEnabled(run), std::vector<bool>(7, true));
        QCOMPARE(run.Caption(), QStringLiteral("(Not saved)"));
        QCOMPARE(run.design.ProjectTitle, std::string("Project1"));
    }

    void disclaimerQuitDuringSessionIsTheQuitCommand() {
        DesktopRun run(folder_.path());
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
        QCOMPARE(run.ownStore.values[designer], std::string("R. Diver"));
    }

    void namedProjectFillsTheDesignForm() {
        const std::string path = Example("GlassSphereFloat.prj").toStdString();
        DesktopRun run(folder_.path());
        run.main->OpenAfterStartUp(path);
        run.StartToDesignForm();
        QCOMPARE(run.messages.Texts(), std::vector<std::string>());
        QCOMPARE(run.design.ProjectFilePath, path);
        QCOMPARE(run.Control<QLineEdit>("Title")->text(),
                 QString::fromStdString(run.design.ProjectTitle));
        QCOMPARE(run.Caption(), QStringLiteral("GlassSphereFloat.prj"));
        QCOMPARE(run.design.ProjectChanged, kFalse);
        QCOMPARE(run.main->Recent()[0], path);
        QVERIFY(!run.main->MenusLocked());
    }

    void unreadableFilesSayWhatFileOpenSays() {
        const QString path = folder_.filePath(QStringLiteral("broken.prj"));
        for (const QString& content : {QString(), QStringLiteral("hello\r\n")}) {  // none: missing
            QFile::remove(path);
            if (!content.isEmpty()) QVERIFY(WriteFile(path, content.toUtf8()));
            const std::vector<std::string> fromMenu = MessagesOpening(path, false);
            QVERIFY(!fromMenu.empty());
            QCOMPARE(MessagesOpening(path, true), fromMenu);
        }
    }

    void itemsAsStarted() {
        // Before a results window or a body exists, the report items and the editors are
        // unusable; a hidden item's shortcut does nothing either.
        DesktopRun run(folder_.path());
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
        StartedRun run(folder_.path());
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
        StartedRun run(folder_.path());
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

    void splashAndDisclaimerAreReadable() {
        DesktopRun run(folder_.path());
        run.main->StartUp();
        QWidget* intro = DesktopRun::TopLevel("IntroForm");
        QCOMPARE(Reader(intro)->role(), QAccessible::Dialog);
        QWidget* logo = Find(intro, "Image1");
        QCOMPARE(Reader(logo)->role(), QAccessible::Button);
        QCOMPARE(NameOf(intro, "Image1"), QStringLiteral("Tidewell logo"));
        logo->setFocus();
        QTest::keyClick(logo, Qt::Key_Space);
        QCOMPARE(run.messages.Texts(), std::vector<std::string>{AcknowledgementText()});

        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        QWidget* disclaimer = DesktopRun::TopLevel("DisclaimerForm");
        QCOMPARE(Reader(disclaimer)->role(), QAccessible::Dialog);
        QAccessibleTextInterface* terms = Reader(Find(disclaimer, "pb"))->textInterface();
        QVERIFY(terms);
        QVERIFY(terms->text(0, terms->characterCount())
                    .endsWith(QStringLiteral("the references provided.")));
    }

    void controlsAreAnnouncedByTheirOwnNames() {
        StartedRun run(folder_.path());
        DesktopRun::Choose(run.Control<QComboBox>("BodyBox"), 2);
        DesktopRun::Choose(run.Control<QComboBox>("EndCapBox"), 0);
        QWidget* home = run.main->homeForm();
        QCOMPARE(NamesOf(home, {"Title", "Designer", "Description", "Frame5", "Frame4", "Material",
                                "Frame1", "Frame3", "BodyBox", "EndcapInfo", "EndCapBox",
                                "RestraintFrame", "EdgeFix", "Frame2"}),
                 Texts({"Project Title", "Project Designer", "Project Description",
                        "Analysis Options", "Material", "Material", "Pressure", "Analysis Type",
                        "Analysis Type", "Endcap Configuration", "Endcap Configuration",
                        "Edge Restraint Options - Outer/Inner",
                        "Edge Restraint Options - Outer/Inner", "Units"}));
        VerifyNoCaptionCut(home);

        run.Item("mnuitmFormat")->trigger();
        QWidget* format = DesktopRun::TopLevel("NumericForm");
        QCOMPARE(Reader(format)->role(), QAccessible::Dialog);
        QCOMPARE(NamesOf(format, {"SigDigs", "FormatType", "SampleInput", "SampleOutput"}),
                 Texts({"Number of Significant digits to display (1to 6):", "Format to display in:",
                        "Example input:", "Example Output:"}));
        VerifyNoCaptionCut(format);
        run.Item("mnuitmReferences")->trigger();
        QWidget* references = DesktopRun::TopLevel("ReferenceForm");
        QCOMPARE(Reader(references)->role(), QAccessible::Dialog);
        QCOMPARE(NameOf(references, "pb"), QStringLiteral("References"));
    }

    void tabFollowsTheFormTopToBottomLeftColumnFirst() {
        StartedRun run(folder_.path());
        DesktopRun::Choose(run.Control<QComboBox>("BodyBox"), 2);
        QWidget* home = run.main->homeForm();
        // Controls the keyboard can reach now (the geometry and material buttons only once
        // their windows are part of the program).
        const auto reachable = [home](QWidget* widget) {
            return widget->isVisibleTo(home) && widget->isEnabled() &&
                   (widget->focusPolicy() & Qt::TabFocus) && home->isAncestorOf(widget);
        };
        QStringList expected;
        for (const char* name :
             {"Title", "Designer", "Description", "BodyBox", "ShowBody", "EndCapBox", "ShowEndcap",
              "EdgeFix", "Command1", "PresSourceBox_0", "PresSourceBox_1", "UnitChoiceBox_0",
              "UnitChoiceBox_1", "WorkStrengthChk", "ForceThickChk"})
            if (reachable(run.Control<QWidget>(name))) expected << QLatin1String(name);
        QStringList order;
        QWidget* widget = run.Control<QWidget>("Title");
        for (int i = 0; i < 200 && order.size() < expected.size(); ++i) {
            if (reachable(widget)) order << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, expected);
    }

    void displayText() {
        for (const auto& [core, shown] :
             {std::pair{"\rTitle\r     Body I.D.", "\nTitle\n     Body I.D."},
              {"one\r\ntwo", "one\ntwo"}})
            QCOMPARE(DisplayText(core), QString::fromUtf8(shown));
    }

    void controlCharacters() {
        for (const auto& [text, refused] : {std::pair{QStringLiteral("Deep float, 6000 m"), false},
                                            {QStringLiteral("a\nb"), true},
                                            {QStringLiteral("a\u007fb"), true},
                                            {QStringLiteral("a\u2028b"), true}}) {
            QCOMPARE(HasControlCharacter(text), refused);
            SingleLineEdit box;
            box.setText(QStringLiteral("kept"));
            box.selectAll();
            box.insert(text);
            QCOMPARE(box.text(), refused ? QStringLiteral("kept") : text);
        }
    }

    void messageBoxDefaultAndEscape() {
        // Enter presses the default button (the first where none is named), Escape cancels.
        using Answer = std::optional<MessageAnswer>;
        for (const auto& [buttons, defaultAnswer, key, expected] :
             {std::tuple{MessageButtons::YesNoCancel, Answer(MessageAnswer::Cancel), Qt::Key_Enter,
                         MessageAnswer::Cancel},
              {MessageButtons::YesNo, Answer(), Qt::Key_Enter, MessageAnswer::Yes},
              {MessageButtons::OkCancel, Answer(), Qt::Key_Escape, MessageAnswer::Cancel}}) {
            Message message{"Question?", "Warning", MessageIcon::Question, buttons};
            message.defaultButton = defaultAnswer;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QCOMPARE(ShowAndAnswer(message, key, icon), expected);
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

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
