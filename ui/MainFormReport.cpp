// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's report commands: the File menu's print items, Export PDF and Save Report As,
// and the Edit menu's Copy Analysis to Clipboard. They act on the analysis the results window
// shows; the commands themselves are ReportCommands.

#include <QMenu>

#include "report/ReportAssembly.h"
#include "ui/MainForm.h"
#include "ui/QtPrintDialogs.h"
#include "ui/ReportCommands.h"
#include "ui/ResultForm.h"

namespace tidewell {

namespace {

const char* const kNoResultsMessage =
    "There is no analysis to report: the design has changed since the results were shown. "
    "Choose Perform Analysis, then print or copy the report again.";

}  // namespace

void MainForm::BuildReportItems(QMenu* file) {
    // Available while the results window is the active child window.
    AddItem(file, "mnuitmPrintSetup", QStringLiteral("Print S&etup . . ."))->setEnabled(false);
    AddItem(file, "mnuitmPrint", QStringLiteral("&Print . . ."), QKeySequence(Qt::CTRL | Qt::Key_P))
        ->setEnabled(false);
    AddItem(file, "mnuitmPrintPreview", QStringLiteral("Print Pre&view"))->setEnabled(false);
    AddItem(file, "mnuitmExportPdf", QStringLiteral("E&xport PDF..."))->setEnabled(false);
    AddItem(file, "mnuitmSaveReport", QStringLiteral("Save &Report As..."))->setEnabled(false);
}

void MainForm::ConnectReportCommands() {
    PrintDialogs* printDialogs = services_.printDialogs;
    if (!printDialogs) {
        qtPrintDialogs_ = std::make_unique<QtPrintDialogs>(this);
        printDialogs = qtPrintDialogs_.get();
    }
    ReportCommandServices services;
    services.messages = &messages_;
    services.fileDialogs = &dialogs_;
    services.printDialogs = printDialogs;
    services.programFolder = services_.programFolder;
    services.source = [this] { return CurrentReportInput(); };
    services.lockMenus = [this](bool lock) { lock ? LockMenus() : UnlockMenus(); };
    reports_ = std::make_unique<ReportCommands>(std::move(services));

    OnMenu(items_.at("mnuitmPrintSetup"), &MainForm::mnuitmPrintSetup_Click);
    OnMenu(items_.at("mnuitmPrint"), &MainForm::mnuitmPrint_Click);
    OnMenu(items_.at("mnuitmPrintPreview"), &MainForm::mnuitmPrintPreview_Click);
    OnMenu(items_.at("mnuitmExportPdf"), &MainForm::mnuitmExportPdf_Click);
    OnMenu(items_.at("mnuitmSaveReport"), &MainForm::mnuitmSaveReport_Click);
    OnMenu(items_.at("mnuitmCopyReport"), &MainForm::mnuitmCopyReport_Click);
    SetReportCommandsReady(true);
}

void MainForm::mnuitmPrintSetup_Click() {
    reports_->PrintSetup();
}

void MainForm::mnuitmPrint_Click() {
    reports_->Print();
}

void MainForm::mnuitmPrintPreview_Click() {
    reports_->PrintPreview();
}

void MainForm::mnuitmExportPdf_Click() {
    reports_->ExportPdf();
}

void MainForm::mnuitmSaveReport_Click() {
    reports_->SaveReportAs();
}

void MainForm::mnuitmCopyReport_Click() {
    reports_->CopyToClipboard();
}

std::optional<ReportInput> MainForm::CurrentReportInput() {
    CommitEditors();
    // What an editor still held changes the design, which closes the results window: its table
    // would no longer be the design's.
    if (!ResultsWindowActive() || !results_->View().Ok() || results_->View().cells.empty()) {
        messages_.Show(kNoResultsMessage, kProgramTitle, MessageIcon::Exclamation,
                       MessageButtons::Ok);
        return std::nullopt;
    }
    // The material as it was loaded, as the materials window keeps it: unsaved edits there do not
    // reach the report, and a material deleted from the database since still has its texts.
    std::string problem;
    const MaterialAsLoaded loaded = LoadedMaterial();
    const std::optional<MaterialFieldTexts> material =
        !loaded.name.empty() ? loaded.fields
                             : LoadedMaterialTexts(design_, services_.materialsFile, problem);
    if (!material) {
        messages_.Show(problem, kProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    }
    const ResultFormModel& window = results_->Model();
    ReportInput input = AssembleReportInput(
        design_, *material, window.View(),
        ResultsWindowTexts{window.UnitList(ResultUnitList::WtUnits).Text(), window.EvalText()},
        DesktopReportClock());
    input.collapseLines = results_->CollapseReportLines();
    input.ratingLines = results_->RatingReportLines();
    return input;
}

}  // namespace tidewell
