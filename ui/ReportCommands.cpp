// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReportCommands.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QPrinter>

#include "project/ProjectPaths.h"
#include "report/PrintLayout.h"
#include "report/TextReport.h"
#include "ui/BusyCursor.h"
#include "ui/QtText.h"
#include "ui/ReportPrinting.h"

namespace tidewell {

namespace {

// A name without a folder is taken from the program's folder, as every file name of the program.
std::string InProgramFolder(const std::string& name, const std::string& programFolder) {
    for (char c : name) {
        if (IsFolderSeparator(c)) return name;
    }
    return programFolder.empty() ? name : programFolder + "/" + name;
}

FileDialogSetup ReportFileSetup(const char* filter, const char* extension, const char* fileName,
                                const std::string& programFolder) {
    FileDialogSetup setup;
    setup.filter = filter;
    setup.defaultExtension = extension;
    setup.fileName = fileName;
    setup.initialFolder = programFolder;
    setup.hideReadOnly = true;
    setup.promptOverwrite = true;
    return setup;
}

}  // namespace

ReportClock DesktopReportClock() {
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    if (!epoch.isEmpty()) {
        const std::optional<int64_t> seconds = ParseEpochSeconds(epoch.toStdString());
        const std::optional<ClockParts> parts =
            seconds ? UtcClockParts(*seconds) : std::optional<ClockParts>();
        if (parts) return ReportClockFor(*parts);
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return ReportClockFor(ClockParts{date.year(), date.month(), date.day(), time.hour(),
                                     time.minute(), time.second()});
}

ReportCommands::ReportCommands(ReportCommandServices services) : services_(std::move(services)) {}

ReportCommands::~ReportCommands() = default;

QPrinter& ReportCommands::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        SetUpReportPrinter(*printer_);
    }
    return *printer_;
}

void ReportCommands::Run(const std::function<void()>& command) {
    // The lock keeps a second file or print command from starting while dialogs and the printer
    // process events.
    services_.lockMenus(true);
    command();
    services_.lockMenus(false);
}

void ReportCommands::ShowProblem(const std::string& problem) {
    if (problem.empty()) return;
    services_.messages->Show(problem, kProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
}

void ReportCommands::Print() {
    Run([this] {
        const std::optional<ReportInput> input = services_.source();
        if (!input) return;
        const PrintLayout layout = LayOutPrintedReport(*input, *services_.messages);
        QPrinter& printer = Printer();
        // Cancelling the dialog ends the command quietly.
        if (!services_.printDialogs->ChoosePrinter(printer)) return;
        const BusyCursor busy;
        ShowProblem(PrintReport(printer, layout));
    });
}

void ReportCommands::PrintDirect() {
    Run([this] {
        const std::optional<ReportInput> input = services_.source();
        if (!input) return;
        const BusyCursor busy;
        const PrintLayout layout = LayOutPrintedReport(*input, *services_.messages);
        // One copy, whatever the Print dialog last asked for.
        Printer().setCopyCount(1);
        ShowProblem(PrintReport(Printer(), layout));
    });
}

void ReportCommands::PrintSetup() {
    Run([this] { services_.printDialogs->SetUpPage(Printer()); });
}

void ReportCommands::PrintPreview() {
    Run([this] {
        const std::optional<ReportInput> input = services_.source();
        if (!input) return;
        const PrintLayout layout = LayOutPrintedReport(*input, *services_.messages);
        std::string problem;
        services_.printDialogs->Preview(Printer(), [&layout, &problem](QPrinter& target) {
            problem = PrintReport(target, layout);
        });
        ShowProblem(problem);
    });
}

void ReportCommands::ExportPdf() {
    Run([this] {
        const std::optional<ReportInput> input = services_.source();
        if (!input) return;
        const PrintLayout layout = LayOutPrintedReport(*input, *services_.messages);
        const std::optional<std::string> chosen = services_.fileDialogs->SaveFile(
            ReportFileSetup("PDF (*.pdf)|*.pdf", "pdf", "Report.pdf", services_.programFolder));
        if (!chosen || chosen->empty()) return;
        const BusyCursor busy;
        const std::string path = InProgramFolder(*chosen, services_.programFolder);
        ShowProblem(ExportReportPdf(path, layout, Printer().pageLayout()));
    });
}

void ReportCommands::SaveReportAs() {
    Run([this] {
        const std::optional<ReportInput> input = services_.source();
        if (!input) return;
        const std::optional<std::string> chosen = services_.fileDialogs->SaveFile(
            ReportFileSetup("Text (*.txt)|*.txt", "txt", kReportFileName, services_.programFolder));
        if (!chosen) {
            // The report file's one message covers a cancelled dialog too.
            ShowProblem(kReportFileErrorMessage);
            return;
        }
        const BusyCursor busy;
        const std::string name = chosen->empty() ? kReportFileName : *chosen;
        WriteReportFile(*input, InProgramFolder(name, services_.programFolder),
                        *services_.messages);
    });
}

void ReportCommands::CopyToClipboard() {
    Run([this] {
        const std::optional<ReportInput> input = services_.source();
        if (!input) return;
        const BusyCursor busy;
        const std::string text = ClipboardReport(*input, *services_.messages);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(ToQ(text));
    });
}

}  // namespace tidewell
