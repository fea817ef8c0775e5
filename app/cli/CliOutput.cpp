// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/CliOutput.h"

#include <cstdio>

#include "materials/MaterialsFile.h"
#include "report/ReportAssembly.h"
#include "report/ReportLines.h"
#include "report/TextReport.h"

namespace tidewell::cli {

namespace {

bool NeedsQuotes(const std::string& cell) {
    if (cell.empty()) return false;
    return cell.find_first_of(",\"\r\n") != std::string::npos || cell.front() == ' ' ||
           cell.back() == ' ';
}

std::string CsvCell(const std::string& cell) {
    if (!NeedsQuotes(cell)) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

int Emit(const std::string& text, const CliOptions& options, CliMessages& messages) {
    if (options.outputPath) {
        if (!WriteTextFileAtomically(*options.outputPath, text)) {
            messages.Line("The file \"" + *options.outputPath + "\" could not be written.");
            return kExitInputError;
        }
        return kExitOk;
    }
    const size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
    if (written != text.size() || std::fflush(stdout) != 0) {
        messages.Line("The output could not be written.");
        return kExitInputError;
    }
    return kExitOk;
}

}  // namespace

int WriteOutput(const std::string& text, const CliOptions& options, CliMessages& messages) {
    return Emit(text, options, messages);
}

namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

std::string CsvTable(const std::vector<std::vector<std::string>>& cells) {
    std::string text;
    for (const auto& row : cells) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0) text += ',';
            text += CsvCell(row[c]);
        }
        text += "\r\n";
    }
    return text;
}

int WriteReport(const DesignRecord& design, const AnalysisRun& run, const CliOptions& options,
                const std::string& materialsFile, const ReportClock& clock, CliMessages& messages) {
    std::string problem;
    const std::optional<MaterialFieldTexts> texts =
        LoadedMaterialTexts(design, materialsFile, problem);
    if (!texts) {
        messages.Line(problem);
        return kExitInputError;
    }
    ReportInput input = AssembleReportInput(
        design, *texts, run.view, ResultsWindowTexts{run.weightUnit, run.evalDiameterText}, clock);
    input.collapseLines = run.collapseLines;
    input.ratingLines = run.ratingLines;
    if (options.outputPath) {
        return WriteReportFile(input, *options.outputPath, messages) ? kExitOk : kExitInputError;
    }
    return Emit(TextReport(input, messages), options, messages);
}

int WriteTable(const AnalysisRun& run, const CliOptions& options, CliMessages& messages) {
    std::string text =
        options.csv ? CsvTable(run.view.cells) : JoinLines(TextReportTableLines(run.view.cells));
    // The rating follows the table, in the table's own form.
    if (options.csv) {
        std::vector<std::vector<std::string>> rows;
        for (const auto& line : run.ratingLines) {
            std::vector<std::string> cells;
            for (const std::string& field : line) {
                if (!field.empty()) cells.push_back(field);
            }
            if (!cells.empty()) rows.push_back(cells);
        }
        text += CsvTable(rows);
    } else {
        for (const auto& line : run.ratingLines) text += JoinWithTabs(line) + "\n";
    }
    return Emit(text, options, messages);
}

int ListMaterials(const CliOptions& options, const std::string& materialsFile,
                  CliMessages& messages) {
    MaterialsFileStatus status;
    const NameList names =
        ListMaterialNames(materialsFile, options.category, options.subCategory, &status);
    if (!status.Ok()) {
        messages.Line(status.error);
        return kExitInputError;
    }
    CliOptions toStandardOutput = options;
    toStandardOutput.outputPath.reset();
    return Emit(JoinLines(names), toStandardOutput, messages);
}

}  // namespace tidewell::cli
