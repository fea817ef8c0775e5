// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: a multiple-document frame with the menu bar, inside which the design form opens
// as a child window. It runs the start-up sequence (splash, single-instance warning, disclaimer),
// every menu command, the save prompt, the menu lock and the end of a run.

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "analysis/DesignOperations.h"
#include "analysis/DesignRecord.h"
#include "materials/MaterialAsLoaded.h"
#include "project/RecentProjects.h"
#include "report/ReportInput.h"
#include "ui/FileDialogs.h"
#include "ui/PrintDialogs.h"
#include "units/UserMessages.h"

class QLockFile;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace tidewell {

class BodyForm;
class DisclaimerForm;
class EndCapForm;
class GeometryEditorForm;
class HelpForm;
class HomeForm;
class IntroForm;
class MATDBS;
class MaterialCatalogue;
class NumericForm;
class ReferenceForm;
class ResultForm;
class RecoveryFiles;
class RecoveryKeeper;
class ReportCommands;
class SettingsStore;

// What the main window needs from the platform: the seams and the program's places.
struct DesktopServices {
    UserMessages* messages = nullptr;
    FileDialogs* dialogs = nullptr;
    PrintDialogs* printDialogs = nullptr;  // Qt's own print dialogs when none is given
    SettingsStore* settings = nullptr;
    std::string programFolder;  // relative project names, default folder of the dialogs
    std::string materialsFile;  // the materials database
    std::string lockFilePath;   // the single-instance lock
    // The per-user folder of the recovery copy of unsaved work; none keeps no copy.
    std::string recoveryFolder;
};

// EditCommand operation codes.
enum class EditOperation { Cut = 0, Copy = 1, Paste = 2, Delete = 3 };

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    MainForm(DesignRecord& design, const DesktopServices& services, QWidget* parent = nullptr);
    ~MainForm() override;

    // Opens the splash window: the first step of a run.
    void StartUp();
    // A project named when the program was started: opened as File > Open opens a chosen file,
    // once the disclaimer has been accepted.
    void OpenAfterStartUp(const std::string& path);

    // The menu lock: File, Edit, Materials, Window, Design and Options (Help is never locked).
    void LockMenus();
    void UnlockMenus();

    // The menu commands.
    void mnuitmNew_Click();
    void mnuItmOpen_Click();
    void mnuitmSave_Click();
    void mnuitmSaveAs_Click();
    void mnuItmOpenProj_Click(int index);
    void mnuitmQuit_Click();
    void mnuitmViewProp_Click();
    void mnuitmAnalyze_Click();
    void MnuItmDefaults_Click();
    void mnuitmFormat_Click();
    void mnuitmReferences_Click();
    void mnuitmDisclaimer_Click();
    void mnuitemHelp_Click();
    void mnuitemAbout_Click();

    // The report commands (MainFormReport.cpp): File, Print Setup, Print, Print Preview, Export
    // PDF, Save Report As; Edit, Copy Analysis to Clipboard.
    void mnuitmPrintSetup_Click();
    void mnuitmPrint_Click();
    void mnuitmPrintPreview_Click();
    void mnuitmExportPdf_Click();
    void mnuitmSaveReport_Click();
    void mnuitmCopyReport_Click();
    ReportCommands& Reports() { return *reports_; }
    // The report of the analysis the results window shows, built from the design, the loaded
    // material and the window's last run; nullopt (after saying why) when there is none.
    std::optional<ReportInput> CurrentReportInput();

    // Validates the design for the given scope (0 all, 1 body, 2 endcap), shows the faults or the
    // results. The menu runs it for the whole design, each geometry editor for its own component.
    void PerformAnalysis(int scope);
    // Commits what the user typed into the open geometry editors, so that a command reading the
    // design (saving, analysing, printing) sees it even when a shortcut moved no focus.
    void CommitEditors();
    // View/Edit Body and View/Edit Endcap (also the design form's "Enter Geometry" buttons).
    void mnuitmBody_Click();
    void mnuitmEndcap_Click();
    // The geometry editors while they are open.
    BodyForm* bodyForm() const;
    EndCapForm* endCapForm() const;

    // The save prompt: sets SaveCancelled when the user cancels (or when "Yes" did not save).
    void AskSaveChanges();
    // Sets up the project file dialog (filter, extension, overwrite prompt, folder).
    void ProjectFileSetup();
    // Cut, Copy, Paste or Delete on the focused text box of the active child window.
    void EditCommand(EditOperation operation);
    // Puts a path at the top of the recent projects and refreshes their menu items.
    void AddRecentProject(const std::string& path);
    void RefreshRecentMenu();

    HomeForm* homeForm() const { return home_; }

    // The results window while it is open (the report and the clipboard read its View()), and
    // whether it is the active child window, the only time the report can be printed or copied.
    ResultForm* resultForm() const;
    bool ResultsWindowActive() const;
    // Closes the results window, if open: every change of the design makes it stale.
    void CloseResultsWindow();
    // Print, Print Setup, "Copy Analysis to Clipboard" and the "Report" button follow the
    // results window once they have their commands.
    void SetReportCommandsReady(bool ready);
    // The materials window; null until it is first opened.
    MATDBS* materialsForm() const { return materials_; }
    // The design's material in the texts it was loaded with: what the results window's labels
    // and the report quote (QuoteLoadedMaterial, AssembleReportInput).
    MaterialAsLoaded LoadedMaterial() const;
    bool SaveCancelled() const { return saveCancelled_; }
    bool MenusLocked() const { return menusLocked_; }
    const RecentProjects& Recent() const { return recentProjects_; }
    const FileDialogSetup& ProjectDialog() const { return projectDialog_; }

signals:
    // The run is over: the application leaves its event loop.
    void programEnded();
    // The active child window really changed (not merely activated again).
    void activeChildChanged(QMdiSubWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildReportItems(QMenu* file);
    void ConnectReportCommands();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = QKeySequence());
    void OnMenu(QAction* item, void (MainForm::*command)());
    void IntroContinued();
    void FormLoad();
    void ShowDisclaimer(bool atStartUp);
    void DisclaimerAccepted();
    void DisclaimerQuit();
    void ShowHomeForm();
    void HomeFormLoad();
    void LoadDefaultMaterial();
    // The materials window: opened (once) by "Choose" and "View Materials", closed by New, Open
    // and Quit, which stop when the user keeps an unfinished add or edit.
    void ShowMaterials();
    bool CloseMaterials();
    void LoadDesignMaterial(const std::string& name);
    bool QuitRequested();
    void EndOfRun();
    void ChildActivated(QMdiSubWindow* window);
    bool ShortcutWins(const QKeyEvent& key) const;
    void ShowResults();
    void ResultsActivationChanged(QMdiSubWindow* window);
    void SetResultsMenuStates(bool resultsActive);
    void RememberResultsPlace();
    // The geometry editors: opening, activation, the design changes that close them.
    void ConnectEditors();
    void EditorActivated(QMdiSubWindow* window);
    void ApplyEditorActions(const DesignUiActions& actions);
    void RefreshAnalyzeItem();
    QMdiSubWindow* AddEditorWindow(GeometryEditorForm* editor, int leftTwips, int topTwips,
                                   int heightTwips);

    // The project file commands' shared steps.
    bool OpenProjectFile(const std::string& path);
    void OpenChosenProject(const std::string& path);
    bool WriteProjectFile(const std::string& path);
    void LoadPreferencesIntoForm();
    void SavePreferencesAtEnd();
    // The recovery copy (MainFormRecovery.cpp): offered back after the disclaimer of a run that
    // is the only one, then kept while the project has unsaved changes.
    void StartRecovery();
    void RecoverDesign();
    void DiscardRecoveryCopy();

    DesignRecord& design_;
    DesktopServices services_;
    UserMessages& messages_;
    FileDialogs& dialogs_;

    QMdiArea* mdi_ = nullptr;
    HomeForm* home_ = nullptr;
    QMdiSubWindow* homeWindow_ = nullptr;
    QPointer<QMdiSubWindow> activeChild_;
    IntroForm* intro_ = nullptr;
    DisclaimerForm* disclaimer_ = nullptr;
    NumericForm* numeric_ = nullptr;
    ReferenceForm* references_ = nullptr;
    HelpForm* help_ = nullptr;
    QPointer<ResultForm> results_;
    QPointer<QMdiSubWindow> resultsWindow_;
    QRect resultsPlace_;  // where the results window last stood in this run
    bool resultsActive_ = false;
    bool reportCommandsReady_ = false;
    QPointer<BodyForm> body_;
    QPointer<EndCapForm> endcap_;
    std::unique_ptr<MaterialCatalogue> catalogue_;
    MATDBS* materials_ = nullptr;
    QMdiSubWindow* materialsWindow_ = nullptr;
    std::unique_ptr<QLockFile> instanceLock_;
    std::unique_ptr<PrintDialogs> qtPrintDialogs_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<RecoveryFiles> recoveryFiles_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    QTimer* recoveryTimer_ = nullptr;
    bool otherInstanceRunning_ = false;

    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> items_;
    std::array<QAction*, 4> recentItems_{};

    FileDialogSetup projectDialog_;
    RecentProjects recentProjects_;
    bool saveCancelled_ = false;
    bool disclaimerShown_ = false;
    bool disclaimerAtStartUp_ = false;
    bool loaded_ = false;
    bool homeLoaded_ = false;
    bool menusLocked_ = false;
    bool ending_ = false;
    std::string startUpProject_;
};

}  // namespace tidewell
