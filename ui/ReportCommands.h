// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The commands that take the analysis report out of the program: Print, Print Setup, Print
// Preview, Export PDF, Save Report As and Copy Analysis to Clipboard, and the results window's
// Report button. Each runs under the menu lock; the report is built fresh from the model for
// every command (the source), never gathered from the windows.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "report/ReportClock.h"
#include "report/ReportInput.h"
#include "ui/FileDialogs.h"
#include "ui/PrintDialogs.h"
#include "units/UserMessages.h"

class QPrinter;

namespace tidewell {

struct ReportCommandServices {
    UserMessages* messages = nullptr;
    FileDialogs* fileDialogs = nullptr;
    PrintDialogs* printDialogs = nullptr;
    std::string programFolder;  // where the report files are proposed
    // The report of the current analysis; nullopt (after saying why) when there is none.
    std::function<std::optional<ReportInput>()> source;
    // The main window's menu lock: true locks, false unlocks.
    std::function<void(bool)> lockMenus;
};

// The time the desktop program stamps a report with: SOURCE_DATE_EPOCH (in UTC) when it holds a
// time, so that a script can make the same report twice; otherwise the local time now.
ReportClock DesktopReportClock();

class ReportCommands {
public:
    explicit ReportCommands(ReportCommandServices services);
    ~ReportCommands();

    void Print();            // the Print dialog, then one print job (the printer makes the copies)
    void PrintSetup();       // paper, orientation and margins of the printer
    void PrintPreview();     // the pages as they will print
    void PrintDirect();      // one copy on the current printer, no dialog (the Report button)
    void ExportPdf();        // the printed form to a PDF file
    void SaveReportAs();     // the text report to a file
    void CopyToClipboard();  // the text report, CR LF line ends, on the clipboard

    // The printer the commands print on (created on first use, kept between commands).
    QPrinter& Printer();

private:
    void Run(const std::function<void()>& command);
    void ShowProblem(const std::string& problem);

    ReportCommandServices services_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace tidewell
