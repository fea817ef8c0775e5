// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/TextReport.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "report/ReportLines.h"

namespace tidewell {

namespace {

size_t ColumnCount(const std::vector<std::vector<std::string>>& grid) {
    size_t columns = 0;
    for (const auto& row : grid) columns = std::max(columns, row.size());
    return columns;
}

}  // namespace

std::vector<std::string> TextReportTableLines(const std::vector<std::vector<std::string>>& grid) {
    std::vector<std::string> lines;
    const size_t columns = ColumnCount(grid);
    const std::string marker = kFailMarker;
    bool failed = false;
    for (const auto& row : grid) {
        std::string cells;
        bool markRow = false;
        for (size_t c = 0; c < columns; ++c) {
            std::string cell = c < row.size() ? row[c] : std::string();
            const size_t at = cell.find(marker);
            if (at != std::string::npos) {
                cell.erase(at);
                failed = true;
            }
            // The row's marker field reflects the flag as it stands after the first cell.
            if (c == 0) markRow = failed;
            cells += '\t';
            cells += cell;
        }
        lines.push_back(markRow ? "*" + cells : cells);
    }
    if (failed) lines.push_back(std::string("\t") + kFailFootnote);
    return lines;
}

std::vector<std::string> TextReportLines(const ReportInput& input, UserMessages& messages) {
    std::vector<std::string> lines;
    lines.push_back("Tidewell  Ver." + input.programVersion);
    lines.push_back(JoinWithTabs(ReportLine{"", input.timeText, input.dateText}));
    for (const ReportLine& line : ReportBodyLines(input, ReportForm::TextFile, messages)) {
        lines.push_back(JoinWithTabs(line));
    }
    for (std::string& line : TextReportTableLines(input.grid)) lines.push_back(std::move(line));
    return lines;
}

namespace {

std::string JoinReportLines(const ReportInput& input, UserMessages& messages, const char* lineEnd) {
    std::string text;
    for (const std::string& line : TextReportLines(input, messages)) {
        text += line;
        text += lineEnd;
    }
    return text;
}

}  // namespace

std::string TextReport(const ReportInput& input, UserMessages& messages) {
    return JoinReportLines(input, messages, "\n");
}

std::string ClipboardReport(const ReportInput& input, UserMessages& messages) {
    return JoinReportLines(input, messages, "\r\n");
}

bool WriteTextFileAtomically(const std::string& path, const std::string& text) {
    if (path.empty()) return false;
    const std::string temporary = path + ".writing";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool WriteReportFile(const ReportInput& input, const std::string& path, UserMessages& messages) {
    const std::string text = TextReport(input, messages);
    if (!WriteTextFileAtomically(path, text)) {
        messages.Show(kReportFileErrorMessage, kProgramTitle, MessageIcon::Critical,
                      MessageButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace tidewell
