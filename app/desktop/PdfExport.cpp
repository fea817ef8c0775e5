// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/desktop/PdfExport.h"

#include <QPrinter>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/cli/CliAnalysis.h"
#include "app/cli/CliMessages.h"
#include "app/cli/CliOptions.h"
#include "forms/CollapseEstimateModel.h"
#include "forms/SafetyFactorsModel.h"
#include "report/PrintLayout.h"
#include "report/ReportAssembly.h"
#include "ui/ProgramPlaces.h"
#include "ui/QSettingsStore.h"
#include "ui/ReportCommands.h"
#include "ui/ReportPrinting.h"

namespace tidewell {

namespace {

const char* const kExportOption = "--export-pdf";

std::string Absolute(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace

bool WantsPdfExport(int argc, char* argv[]) {
    return argc > 1 && std::strcmp(argv[1], kExportOption) == 0;
}

int RunPdfExport(int argc, char* argv[]) {
    cli::CliMessages messages(stderr);
    if (argc != 4) {
        messages.Line("Usage: tidewell --export-pdf OUT.pdf PROJECT.prj");
        return cli::kExitUsage;
    }
    const std::string output = argv[2];
    const ProgramFolder places = DesktopProgramFolder();
    const std::string materialsFile = places.materialsFile.u8string();

    cli::OpenedDesign opened =
        cli::OpenDesign(Absolute(argv[3]), places.folder.u8string(), materialsFile, messages);
    if (opened.exitCode != cli::kExitOk) return opened.exitCode;
    if (const int check = cli::CheckDesign(opened.design, messages); check != cli::kExitOk) {
        return check;
    }
    // The preferences hold what the desktop's results window adds: the out-of-roundness of the
    // collapse estimate, the safety factors and a housing's endcap project.
    QSettingsStore settings;
    CollapseEstimateModel collapse(settings);
    collapse.Load();
    cli::CliOptions options;
    options.collapse = true;
    options.outOfRoundness = collapse.OutOfRoundness(opened.design);
    const cli::AnalysisRun run = cli::RunAnalysis(opened.design, options, messages);
    if (run.exitCode != cli::kExitOk) return run.exitCode;

    std::string problem;
    const std::optional<MaterialFieldTexts> material =
        LoadedMaterialTexts(opened.design, materialsFile, problem);
    if (!material) {
        messages.Line(problem);
        return cli::kExitInputError;
    }
    ReportInput input = AssembleReportInput(
        opened.design, *material, run.view,
        ResultsWindowTexts{run.weightUnit, run.evalDiameterText}, DesktopReportClock());
    // The collapse estimate where the results window shows it, and the rating the desktop's
    // report carries, so that this PDF is the one Export PDF writes.
    if (run.view.collapse.assessed) input.collapseLines = run.collapseLines;
    SafetyFactorsModel safety(settings);
    safety.Load();
    safety.SetPlaces(places.folder.u8string(), materialsFile);
    input.ratingLines = safety.ReportLines(opened.design, run.request, messages);
    const PrintLayout layout = LayOutPrintedReport(input, messages);

    // The paper and margins a new printer of the program has, as Export PDF uses them.
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer);
    problem = ExportReportPdf(output, layout, printer.pageLayout());
    if (!problem.empty()) {
        messages.Line(problem + " (" + output + ")");
        return cli::kExitInputError;
    }
    return cli::kExitOk;
}

}  // namespace tidewell
