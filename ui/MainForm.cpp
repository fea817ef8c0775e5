// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <utility>

#include "analysis/DesignOperations.h"
#include "analysis/DesignValidation.h"
#include "analysis/ProgramVersion.h"
#include "materials/MaterialCatalogue.h"
#include "project/FileErrors.h"
#include "project/OpenProject.h"
#include "project/Preferences.h"
#include "project/ProjectPaths.h"
#include "project/ProjectWriter.h"
#include "project/RecentProjects.h"
#include "project/RecoveryCopy.h"
#include "project/Registry.h"
#include "ui/BusyCursor.h"
#include "ui/DisclaimerForm.h"
#include "ui/HelpForm.h"
#include "ui/HomeForm.h"
#include "ui/IntroForm.h"
#include "ui/MATDBS.h"
#include "ui/NumericForm.h"
#include "ui/QtText.h"
#include "ui/ReferenceForm.h"
#include "ui/ReportCommands.h"
#include "ui/ResultForm.h"

namespace tidewell {

namespace {

// The six menus the lock covers; Help stays usable.
const char* const kLockedMenus[] = {"mnuFile",   "mnuEdit",   "mnuMaterials",
                                    "mnuWindow", "mnuDesign", "mnuOption"};

const char* const kNotSavedCaption = "(Not saved)";

const char* const kSavePrompt =
    "The project that you are working on has been changed. Do you want to save it?";

}  // namespace

MainForm::MainForm(DesignRecord& design, const DesktopServices& services, QWidget* parent)
    : QMainWindow(parent),
      design_(design),
      services_(services),
      messages_(*services.messages),
      dialogs_(*services.dialogs) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tidewell"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdi_);
    BuildMenus();
    ConnectReportCommands();
    resize(1000, 720);

    home_ = new HomeForm(design_, messages_);
    homeWindow_ = mdi_->addSubWindow(home_, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    homeWindow_->setObjectName(QStringLiteral("HomeFormWindow"));
    homeWindow_->hide();
    ConnectEditors();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainForm::ChildActivated);
    connect(this, &MainForm::activeChildChanged, this, &MainForm::ResultsActivationChanged);
    connect(home_, &HomeForm::designActionsRequested, this, [this](const DesignUiActions& actions) {
        if (actions.closeResults) CloseResultsWindow();
    });

    catalogue_ = std::make_unique<MaterialCatalogue>(design_, services_.materialsFile, messages_);
    home_->SetMaterialChooserAvailable(true);
    connect(home_, &HomeForm::materialsRequested, this, &MainForm::ShowMaterials);
    connect(home_, &HomeForm::designActionsRequested, this, [this](const DesignUiActions& actions) {
        // New has already asked about unfinished material changes.
        if (actions.closeMaterials && materials_ && materials_->IsLoaded()) {
            catalogue_->Unload();
            materials_->CloseForCommand();
        }
    });

    disclaimer_ = new DisclaimerForm(this);
    connect(disclaimer_, &DisclaimerForm::accepted, this, &MainForm::DisclaimerAccepted);
    connect(disclaimer_, &DisclaimerForm::quitRequested, this, &MainForm::DisclaimerQuit);

    qApp->installEventFilter(this);
}

MainForm::~MainForm() {
    qApp->removeEventFilter(this);
    // The child windows go while this object's members still exist; nothing they report on the
    // way out reaches it.
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(home_, nullptr, this, nullptr);
    disconnect(disclaimer_, nullptr, this, nullptr);
    delete takeCentralWidget();
    delete intro_;
}

QAction* MainForm::AddItem(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& shortcut) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) item->setShortcut(shortcut);
    items_[name] = item;
    return item;
}

void MainForm::OnMenu(QAction* item, void (MainForm::*command)()) {
    connect(item, &QAction::triggered, this, [this, item, command] {
        // A shortcut can reach an item of a locked menu; the lock holds all the same.
        for (QObject* owner : item->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(owner); menu && !menu->isEnabled()) return;
        }
        (this->*command)();
    });
}

void MainForm::BuildMenus() {
    auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menus_[name] = menu;
        return menu;
    };
    auto separator = [this](QMenu* menu, const char* name) {
        QAction* item = menu->addSeparator();
        item->setObjectName(QLatin1String(name));
        items_[name] = item;
        return item;
    };

    QMenu* file = addMenu("mnuFile", QStringLiteral("&File"));
    OnMenu(AddItem(file, "mnuitmNew", QStringLiteral("&New Design"),
                   QKeySequence(Qt::CTRL | Qt::Key_N)),
           &MainForm::mnuitmNew_Click);
    OnMenu(AddItem(file, "mnuItmOpen", QStringLiteral("&Open Design"),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
           &MainForm::mnuItmOpen_Click);
    OnMenu(AddItem(file, "mnuitmSave", QStringLiteral("&Save Design"),
                   QKeySequence(Qt::CTRL | Qt::Key_S)),
           &MainForm::mnuitmSave_Click);
    OnMenu(AddItem(file, "mnuitmSaveAs", QStringLiteral("Save &As. . .")),
           &MainForm::mnuitmSaveAs_Click);
    separator(file, "mnuitmBlankFile");
    BuildReportItems(file);
    separator(file, "mnuitmblnk");
    OnMenu(AddItem(file, "mnuitmQuit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
           &MainForm::mnuitmQuit_Click);
    separator(file, "mnuItmBlanklast");
    const QString ordinals[] = {QStringLiteral("1st"), QStringLiteral("2nd"), QStringLiteral("3rd"),
                                QStringLiteral("4th")};
    for (int i = 0; i < 4; ++i) {
        QAction* item = file->addAction(ordinals[i]);
        item->setObjectName(QStringLiteral("mnuItmOpenProj_%1").arg(i));
        connect(item, &QAction::triggered, this, [this, i] {
            if (menus_.at("mnuFile")->isEnabled()) mnuItmOpenProj_Click(i);
        });
        recentItems_[i] = item;
    }
    recentItems_[0]->setVisible(false);

    QMenu* edit = addMenu("mnuEdit", QStringLiteral("&Edit"));
    AddItem(edit, "mnuitmUndo", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z))
        ->setVisible(false);
    separator(edit, "mnuitemblank")->setVisible(false);
    const std::pair<const char*, EditOperation> editItems[] = {
        {"mnuitmCut", EditOperation::Cut},
        {"mnuitmCopy", EditOperation::Copy},
        {"mnuitmPaste", EditOperation::Paste},
        {"mnuitmDelete", EditOperation::Delete}};
    const QString editCaptions[] = {QStringLiteral("Cu&t"), QStringLiteral("&Copy"),
                                    QStringLiteral("&Paste"), QStringLiteral("&Delete")};
    const Qt::Key editKeys[] = {Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_D};
    for (int i = 0; i < 4; ++i) {
        QAction* item = AddItem(edit, editItems[i].first, editCaptions[i],
                                QKeySequence(Qt::CTRL | editKeys[i]));
        const EditOperation operation = editItems[i].second;
        connect(item, &QAction::triggered, this, [this, operation] {
            if (menus_.at("mnuEdit")->isEnabled()) EditCommand(operation);
        });
    }
    // Copying the report comes with the results window.
    AddItem(edit, "mnuitmCopyReport", QStringLiteral("&Copy Analysis to Clipboard"),
            QKeySequence(Qt::CTRL | Qt::Key_R))
        ->setVisible(false);

    QMenu* materials = addMenu("mnuMaterials", QStringLiteral("&Materials"));
    OnMenu(AddItem(materials, "mnuitmViewProp", QStringLiteral("&View Materials")),
           &MainForm::mnuitmViewProp_Click);

    QMenu* window = addMenu("mnuWindow", QStringLiteral("&Window"));
    OnMenu(AddItem(window, "mnuitmReferences", QStringLiteral("&References")),
           &MainForm::mnuitmReferences_Click);
    OnMenu(AddItem(window, "mnuitmDisclaimer", QStringLiteral("&Disclaimer")),
           &MainForm::mnuitmDisclaimer_Click);

    QMenu* design = addMenu("mnuDesign", QStringLiteral("&Design"));
    AddItem(design, "mnuitmBody", QStringLiteral("View/Edit &Body"),
            QKeySequence(Qt::CTRL | Qt::Key_B))
        ->setEnabled(false);
    AddItem(design, "mnuitmEndcap", QStringLiteral("View/Edit &Endcap"),
            QKeySequence(Qt::CTRL | Qt::Key_E))
        ->setEnabled(false);
    separator(design, "mnuitmBlankWindows");
    OnMenu(AddItem(design, "mnuitmAnalyze", QStringLiteral("Perform &Analysis"),
                   QKeySequence(Qt::CTRL | Qt::Key_A)),
           &MainForm::mnuitmAnalyze_Click);

    QMenu* options = addMenu("mnuOption", QStringLiteral("&Options"));
    OnMenu(AddItem(options, "mnuitmFormat", QStringLiteral("Display Format. . .")),
           &MainForm::mnuitmFormat_Click);
    OnMenu(AddItem(options, "MnuItmDefaults", QStringLiteral("Revert to defaults")),
           &MainForm::MnuItmDefaults_Click);

    QMenu* help = addMenu("mnuHelp", QStringLiteral("&Help"));
    // F1 opens the manual, as on every desktop.
    OnMenu(AddItem(help, "mnuitemHelp", QStringLiteral("Help"), QKeySequence(Qt::Key_F1)),
           &MainForm::mnuitemHelp_Click);
    separator(help, "mnuitemHelpBlank");
    OnMenu(AddItem(help, "mnuitemAbout", QStringLiteral("&About Tidewell")),
           &MainForm::mnuitemAbout_Click);
}

// ---------------------------------------------------------------------------------------------
// Start-up and end of run

void MainForm::StartUp() {
    design_.ProgramVersion = ProgramVersionText();
    if (!intro_) {
        intro_ = new IntroForm(design_.ProgramVersion, messages_);
        connect(intro_, &IntroForm::continued, this, &MainForm::IntroContinued);
    }
    intro_->ShowCentred();
}

void MainForm::IntroContinued() {
    // From About the splash only closes; the first time it leads on to the disclaimer.
    if (disclaimerShown_) return;
    disclaimerShown_ = true;
    ShowDisclaimer(true);
}

void MainForm::FormLoad() {
    if (loaded_) return;
    loaded_ = true;
    const BusyCursor busy;
    if (!services_.lockFilePath.empty()) {
        instanceLock_ = std::make_unique<QLockFile>(ToQ(services_.lockFilePath));
        instanceLock_->setStaleLockTime(0);
        if (!instanceLock_->tryLock(0)) {
            instanceLock_.reset();
            otherInstanceRunning_ = true;
            messages_.Show("A previous version of Tidewell is already running", "",
                           MessageIcon::Information, MessageButtons::Ok);
        }
    }
    LockMenus();
    show();
}

void MainForm::ShowDisclaimer(bool atStartUp) {
    FormLoad();
    disclaimerAtStartUp_ = atStartUp;
    disclaimer_->ShowAgainst(*this);
}

void MainForm::DisclaimerAccepted() {
    const BusyCursor busy;
    disclaimer_->Dismiss();
    ShowHomeForm();
    UnlockMenus();
    // The work goes on in the main window: it takes the keyboard back from the disclaimer.
    raise();
    activateWindow();
    home_->FocusTitle();
    StartRecovery();
    if (!startUpProject_.empty()) {
        const std::string path = std::exchange(startUpProject_, std::string());
        ProjectFileSetup();
        OpenChosenProject(path);
    }
}

void MainForm::OpenAfterStartUp(const std::string& path) {
    startUpProject_ = path;
}

void MainForm::DisclaimerQuit() {
    if (disclaimerAtStartUp_ && !homeLoaded_) {
        // Nothing was loaded or changed yet: the program ends at once.
        disclaimer_->Dismiss();
        ending_ = true;
        close();
        emit programEnded();
        return;
    }
    // During a session Quit is the Quit command, with its save prompt and preferences.
    mnuitmQuit_Click();
}

void MainForm::ShowHomeForm() {
    if (!homeLoaded_) HomeFormLoad();
    homeWindow_->show();
    mdi_->setActiveSubWindow(homeWindow_);
}

void MainForm::HomeFormLoad() {
    homeLoaded_ = true;
    home_->FillLists();
    homeWindow_->adjustSize();
    home_->ApplyActions(ResetLayout(design_));
    ProjectFileSetup();
    design_.ProjectChanged = kFalse;
    home_->ApplyActions(NewProject(design_));
    LoadPreferencesIntoForm();
    design_.ProjectTitle = "Project1";
    home_->ShowDesign();
    LoadDefaultMaterial();
    homeWindow_->adjustSize();
    design_.ProjectChanged = kFalse;
}

void MainForm::LoadDefaultMaterial() {
    if (design_.MaterialName.empty()) return;
    // A copy: loading clears the design's material name before it reports a missing one.
    const std::string name = design_.MaterialName;
    LoadDesignMaterial(name);
    home_->ShowDesign();
}

void MainForm::LoadDesignMaterial(const std::string& name) {
    // The window's own loading path, so that the catalogue keeps the texts of the material.
    catalogue_->LoadDesignMaterial(name);
    if (materials_ && materials_->IsLoaded()) {
        materials_->ShowModel();
    }
    catalogue_->TakeRequests();  // a window that is not open is not brought forward
}

MaterialAsLoaded MainForm::LoadedMaterial() const {
    return catalogue_->LoadedMaterial();
}

void MainForm::mnuitmViewProp_Click() {
    ShowMaterials();
}

void MainForm::ShowMaterials() {
    const BusyCursor busy;
    if (!materials_) {
        materials_ = new MATDBS(*catalogue_, design_, messages_);
        materialsWindow_ = mdi_->addSubWindow(materials_);
        materialsWindow_->setObjectName(QStringLiteral("MATDBSWindow"));
        // Closing hides the window; it stays loaded for the next opening.
        materialsWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(materials_, &MATDBS::materialChanged, this, [this] {
            // Results of other material values are stale, also under the same name.
            CloseResultsWindow();
            home_->SetMaterialLabel(catalogue_->MaterialLabel());
        });
        connect(materials_, &MATDBS::bringForwardRequested, this, [this] {
            if (materialsWindow_->isVisible()) mdi_->setActiveSubWindow(materialsWindow_);
        });
        connect(materials_, &MATDBS::stepBackRequested, this,
                [this] { mdi_->setActiveSubWindow(homeWindow_); });
    }
    const bool alreadyActive =
        materialsWindow_->isVisible() && mdi_->activeSubWindow() == materialsWindow_;
    materials_->Open();
    materialsWindow_->show();
    materials_->show();
    materialsWindow_->adjustSize();
    mdi_->setActiveSubWindow(materialsWindow_);
    if (!alreadyActive) materials_->Activated();
    materials_->FocusCategoryList();
}

bool MainForm::CloseMaterials() {
    return !materials_ || materials_->CloseForCommand();
}

void MainForm::mnuitmQuit_Click() {
    if (QuitRequested()) {
        close();
        emit programEnded();
    }
}

bool MainForm::QuitRequested() {
    CommitEditors();
    saveCancelled_ = false;
    if (!CloseMaterials()) return false;
    if (design_.ProjectChanged != kFalse) {
        AskSaveChanges();
        if (saveCancelled_) return false;
    }
    EndOfRun();
    return true;
}

void MainForm::EndOfRun() {
    // Qt sends the child windows no close event when the main window closes: the design form's
    // end of run (the preferences) runs here.
    if (homeLoaded_) {
        SavePreferencesAtEnd();
        home_->AllowClose();
    }
    DiscardRecoveryCopy();
    ending_ = true;
    for (QWidget* window : {static_cast<QWidget*>(numeric_), static_cast<QWidget*>(references_),
                            static_cast<QWidget*>(help_), static_cast<QWidget*>(intro_),
                            static_cast<QWidget*>(disclaimer_)}) {
        if (window) window->hide();
    }
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    // The close box is refused first; then the Quit command decides.
    event->ignore();
    if (QuitRequested()) {
        event->accept();
        emit programEnded();
    }
}

// ---------------------------------------------------------------------------------------------
// Menu lock, shortcuts, child windows

void MainForm::LockMenus() {
    menusLocked_ = true;
    for (const char* name : kLockedMenus) menus_.at(name)->setEnabled(false);
}

void MainForm::UnlockMenus() {
    menusLocked_ = false;
    for (const char* name : kLockedMenus) menus_.at(name)->setEnabled(true);
}

bool MainForm::ShortcutWins(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const auto& [name, item] : items_) {
        if (item->shortcut().isEmpty() || item->shortcut() != pressed) continue;
        if (!item->isEnabled() || !item->isVisible()) return false;
        for (QObject* owner : item->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(owner); menu && !menu->isEnabled()) return false;
        }
        return true;
    }
    return false;
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // A new number format shows in the open results window once the format window goes away.
    if (event->type() == QEvent::Hide && watched == numeric_ && results_ && !ending_) {
        results_->Activated();
    }
    // A focused text box claims Ctrl+A, Ctrl+C and the like for itself; the menu's shortcuts win
    // inside this window, as the menu shows them.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && ShortcutWins(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::ChildActivated(QMdiSubWindow* window) {
    // Activation is reported again after every message box and every return from another
    // program; only a real change of the active child window counts.
    if (window == activeChild_) return;
    activeChild_ = window;
    if (window && window == materialsWindow_) materials_->Activated();
    emit activeChildChanged(window);
}

void MainForm::EditCommand(EditOperation operation) {
    if (operation == EditOperation::Copy && results_ && results_->CopyFromGrid()) return;
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!box || box->window() != this) return;
    switch (operation) {
        case EditOperation::Cut:
            box->cut();
            break;
        case EditOperation::Copy:
            box->copy();
            break;
        case EditOperation::Paste:
            box->paste();
            break;
        case EditOperation::Delete:
            if (box->hasSelectedText()) box->del();
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Commands

void MainForm::AskSaveChanges() {
    CommitEditors();
    saveCancelled_ = false;
    Message prompt{kSavePrompt, "Warning", MessageIcon::Question, MessageButtons::YesNoCancel};
    prompt.defaultButton = MessageAnswer::Cancel;
    const MessageAnswer answer = messages_.Show(prompt);
    if (answer == MessageAnswer::Yes) {
        mnuitmSave_Click();
        // A save that failed or whose dialog was cancelled left the project unsaved: going on
        // would discard it.
        if (design_.ProjectChanged != kFalse) saveCancelled_ = true;
    } else if (answer == MessageAnswer::Cancel) {
        saveCancelled_ = true;
    }
}

void MainForm::mnuitmNew_Click() {
    CommitEditors();
    saveCancelled_ = false;
    if (!CloseMaterials()) {
        saveCancelled_ = true;
        return;
    }
    if (design_.ProjectChanged != kFalse) {
        AskSaveChanges();
        if (saveCancelled_) return;
    }
    const BusyCursor busy;
    home_->ApplyActions(NewProject(design_));
    home_->ShowDesign();
    home_->FocusTitle();
    design_.ProjectChanged = kFalse;
    DiscardRecoveryCopy();
}

void MainForm::mnuitmAnalyze_Click() {
    // Whatever the design has is checked: the editors' scope applies only to their own runs.
    PerformAnalysis(0);
}

void MainForm::PerformAnalysis(int scope) {
    CommitEditors();
    design_.AnalysisScope = static_cast<int16_t>(scope);
    const ValidationResult result = ValidateDesign(design_);
    if (!result.IsValid()) {
        messages_.Show(result.AsMessage());
        return;
    }
    ShowResults();
}

void MainForm::ShowResults() {
    if (results_) {
        resultsWindow_->show();
        // Asked again while it is active: no activation follows, so the run happens here.
        if (resultsActive_) {
            results_->Activated();
        } else {
            mdi_->setActiveSubWindow(resultsWindow_);
        }
        return;
    }
    results_ = new ResultForm(design_, messages_, dialogs_, nullptr, services_.settings);
    results_->SetReportAvailable(reportCommandsReady_);
    results_->SetProjectPlaces(services_.programFolder, services_.materialsFile);
    resultsWindow_ = mdi_->addSubWindow(results_);
    resultsWindow_->setObjectName(QStringLiteral("ResultFormWindow"));
    resultsWindow_->setAttribute(Qt::WA_DeleteOnClose);
    if (resultsPlace_.isValid()) resultsWindow_->setGeometry(resultsPlace_);
    connect(results_, &ResultForm::reportRequested, this, [this] { reports_->PrintDirect(); });
    connect(results_, &ResultForm::closing, this, [this] {
        RememberResultsPlace();
        SetResultsMenuStates(false);
        resultsActive_ = false;
    });
    resultsWindow_->show();
    // Becoming the active child window runs the validation and the analysis.
    mdi_->setActiveSubWindow(resultsWindow_);
}

ResultForm* MainForm::resultForm() const {
    return results_;
}

bool MainForm::ResultsWindowActive() const {
    return results_ && resultsActive_;
}

void MainForm::CloseResultsWindow() {
    if (resultsWindow_) resultsWindow_->close();
}

void MainForm::SetReportCommandsReady(bool ready) {
    reportCommandsReady_ = ready;
    if (results_) results_->SetReportAvailable(ready);
    SetResultsMenuStates(ResultsWindowActive());
}

void MainForm::ResultsActivationChanged(QMdiSubWindow* window) {
    const bool active = resultsWindow_ && window == resultsWindow_;
    if (resultsActive_ && !active) RememberResultsPlace();
    resultsActive_ = active;
    SetResultsMenuStates(active);
    if (active) results_->Activated();
}

void MainForm::SetResultsMenuStates(bool resultsActive) {
    const bool report = resultsActive && reportCommandsReady_;
    for (const char* name : {"mnuitmPrint", "mnuitmPrintSetup", "mnuitmPrintPreview",
                             "mnuitmExportPdf", "mnuitmSaveReport"}) {
        items_.at(name)->setEnabled(report);
    }
    items_.at("mnuitmCopyReport")->setVisible(report);
    // Copy stays: in the results window it copies the grid's cells.
    for (const char* name : {"mnuitmCut", "mnuitmPaste", "mnuitmDelete"}) {
        items_.at(name)->setEnabled(!resultsActive);
    }
}

void MainForm::RememberResultsPlace() {
    if (resultsWindow_) resultsPlace_ = resultsWindow_->geometry();
}

void MainForm::MnuItmDefaults_Click() {
    design_.ProjectChanged = kTrue;
    // The number format changes with the layout: the results shown would be stale.
    CloseResultsWindow();
    home_->ApplyActions(ResetLayout(design_));
}

void MainForm::mnuitmFormat_Click() {
    if (!numeric_) numeric_ = new NumericForm(design_, messages_, this);
    numeric_->Open();
}

void MainForm::mnuitmReferences_Click() {
    if (!references_) references_ = new ReferenceForm(this);
    references_->Open();
}

void MainForm::mnuitmDisclaimer_Click() {
    ShowDisclaimer(false);
}

void MainForm::mnuitemHelp_Click() {
    if (!help_) help_ = new HelpForm(this);
    help_->ShowContents();
}

void MainForm::mnuitemAbout_Click() {
    StartUp();
}

// ---------------------------------------------------------------------------------------------
// Project files, recent projects, preferences

void MainForm::ProjectFileSetup() {
    projectDialog_.filter = "Project (*.prj)|*.prj";
    projectDialog_.defaultExtension = "prj";
    projectDialog_.hideReadOnly = true;
    projectDialog_.promptOverwrite = true;
    projectDialog_.initialFolder = services_.programFolder;
}

void MainForm::mnuItmOpen_Click() {
    ProjectFileSetup();
    mnuitmNew_Click();
    if (saveCancelled_) return;
    const BusyCursor busy;
    const std::optional<std::string> chosen = dialogs_.OpenFile(projectDialog_);
    if (!chosen || chosen->empty()) {
        ReportFileError(kDialogCancelledError, messages_, saveCancelled_);
        return;
    }
    OpenChosenProject(*chosen);
}

void MainForm::OpenChosenProject(const std::string& path) {
    const BusyCursor busy;
    projectDialog_.fileName = path;
    AddRecentProject(path);
    LockMenus();
    home_->SetCaption(ProjectFileTitle(path));
    OpenProjectFile(path);
    UnlockMenus();
}

void MainForm::mnuItmOpenProj_Click(int index) {
    if (index < 0 || index >= kRecentProjectCount) return;
    const std::string path = recentProjects_[static_cast<std::size_t>(index)];
    if (path.empty()) return;
    saveCancelled_ = false;
    const BusyCursor busy;
    mnuitmNew_Click();
    if (saveCancelled_) return;
    LockMenus();
    projectDialog_.fileName = path;
    // Entry 0 is already first; a later entry moves to the top once it has opened.
    if (OpenProjectFile(path) && index >= 1) AddRecentProject(path);
    UnlockMenus();
}

bool MainForm::OpenProjectFile(const std::string& path) {
    DesignFormState form = home_->State();
    const OpenProjectResult result =
        OpenProject(path, services_.programFolder, services_.materialsFile, design_, form,
                    messages_, [this](const std::string& name) { LoadDesignMaterial(name); });
    if (!result.opened) {
        // The reader said why; the design is the new project and has no file.
        design_.ProjectFilePath.clear();
        home_->SetCaption(kNotSavedCaption);
        return false;
    }
    home_->ApplyActions(result.actions);
    home_->ShowState(form);
    home_->SetCaption(result.caption);
    homeWindow_->show();
    design_.AnalysisScope = 0;
    design_.ProjectChanged = kFalse;
    return true;
}

void MainForm::mnuitmSave_Click() {
    CommitEditors();
    ProjectFileSetup();
    const BusyCursor busy;
    if (design_.ProjectFilePath.empty()) {
        mnuitmSaveAs_Click();
    } else {
        LockMenus();
        const std::string path = design_.ProjectFilePath;
        home_->SetCaption(ProjectFileTitle(path));
        projectDialog_.fileName = path;
        WriteProjectFile(path);
        UnlockMenus();
    }
    items_.at("mnuitmSave")->setEnabled(true);
}

void MainForm::mnuitmSaveAs_Click() {
    CommitEditors();
    ProjectFileSetup();
    const BusyCursor busy;
    LockMenus();
    projectDialog_.fileName = ProposedProjectFileName(design_.ProjectTitle);
    const std::optional<std::string> chosen = dialogs_.SaveFile(projectDialog_);
    if (!chosen || chosen->empty()) {
        UnlockMenus();
        ReportFileError(kDialogCancelledError, messages_, saveCancelled_);
        return;
    }
    const std::string previousPath = design_.ProjectFilePath;
    design_.ProjectFilePath = *chosen;
    if (WriteProjectFile(*chosen)) {
        home_->SetCaption(ProjectFileTitle(*chosen));
        AddRecentProject(*chosen);
    } else {
        // Nothing was written: the project stays with the file it had.
        design_.ProjectFilePath = previousPath;
    }
    UnlockMenus();
}

bool MainForm::WriteProjectFile(const std::string& path) {
    home_->StorePosition();
    if (!WriteProject(design_, path, messages_,
                      FormPosition{design_.HomeFormLeft, design_.HomeFormTop})) {
        return false;
    }
    DiscardRecoveryCopy();
    return true;
}

void MainForm::AddRecentProject(const std::string& path) {
    tidewell::AddRecentProject(recentProjects_, path);
    RefreshRecentMenu();
}

void MainForm::RefreshRecentMenu() {
    const RecentMenuCaptions captions = tidewell::RefreshRecentMenu(recentProjects_);
    for (int i = 0; i < kRecentProjectCount; ++i) {
        // "&1 " marks the access key; an ampersand in the path itself is shown as it is.
        const QString caption = ToQ(captions[static_cast<std::size_t>(i)]);
        const int keyEnd = caption.indexOf(QLatin1Char(' '));
        QString shown = keyEnd < 0 ? caption : caption.left(keyEnd + 1);
        if (keyEnd >= 0)
            shown += caption.mid(keyEnd + 1).replace(QLatin1Char('&'), QStringLiteral("&&"));
        recentItems_[static_cast<std::size_t>(i)]->setText(shown);
        recentItems_[static_cast<std::size_t>(i)]->setVisible(true);
    }
}

void MainForm::LoadPreferencesIntoForm() {
    if (!services_.settings) return;
    Registry registry(*services_.settings);
    DesignFormState form = home_->State();
    const PreferencesResult result =
        LoadPreferences(registry, design_, form, recentProjects_, messages_);
    home_->ApplyActions(result.actions);
    home_->ShowState(form);
    RefreshRecentMenu();
    // The stored material is loaded by name once the form is shown.
    design_.MaterialName = form.materialLabel;
}

void MainForm::SavePreferencesAtEnd() {
    if (!services_.settings) return;
    Registry registry(*services_.settings);
    SavePreferences(registry, design_, home_->State(), recentProjects_, messages_);
    RefreshRecentMenu();
}

}  // namespace tidewell
