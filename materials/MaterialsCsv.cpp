// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialsCsv.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

#include "materials/MaterialUnits.h"
#include "materials/MaterialsFile.h"
#include "materials/Windows1252.h"

namespace tidewell {

namespace {

constexpr std::size_t kColumns = 14;

// Splits the text into records of fields. Quoted fields may hold commas, doubled quotes and line
// breaks. Returns false on an unterminated quote or a quote inside an unquoted field.
bool SplitCsv(const std::string& text, std::vector<std::vector<std::string>>& records,
              std::vector<int>& startLines, std::string& error) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    bool fieldWasQuoted = false;
    int line = 1;
    int recordLine = 1;
    const auto endRecord = [&]() {
        fields.push_back(field);
        const bool blank = fields.size() == 1 && fields[0].empty() && !fieldWasQuoted;
        if (!blank) {
            records.push_back(fields);
            startLines.push_back(recordLine);
        }
        fields.clear();
        field.clear();
        fieldWasQuoted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field.push_back('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field.push_back(c);
            }
            continue;
        }
        if (c == '"') {
            if (!field.empty()) {
                error = "line " + std::to_string(line) + ": a quote inside an unquoted field";
                return false;
            }
            quoted = true;
            fieldWasQuoted = true;
        } else if (c == ',') {
            fields.push_back(field);
            field.clear();
            fieldWasQuoted = false;
        } else if (c == '\r') {
            // Line ends may be CR LF.
        } else if (c == '\n') {
            endRecord();
            ++line;
            recordLine = line;
        } else {
            field.push_back(c);
        }
    }
    if (quoted) {
        error = "line " + std::to_string(recordLine) + ": a quoted field is not closed";
        return false;
    }
    if (!field.empty() || !fields.empty() || fieldWasQuoted) endRecord();
    return true;
}

bool ReadDouble(const std::string& text, double& value) {
    if (text.empty()) return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const std::from_chars_result read = std::from_chars(begin, end, value);
    return read.ec == std::errc() && read.ptr == end && std::isfinite(value);
}

bool InList(const std::vector<std::string>& list, const std::string& unit) {
    for (const std::string& entry : list) {
        if (entry == unit) return true;
    }
    return false;
}

// Checks one row and fills the record; returns the fault or an empty text.
std::string ReadRow(const std::vector<std::string>& f, MaterialsCsvRow& row) {
    if (f.size() != kColumns) {
        return std::to_string(f.size()) + " fields instead of " + std::to_string(kColumns);
    }
    MaterialRecord& r = row.record;
    r.Name = f[0];
    r.MainCategory = f[1];
    r.SubCategory = f[2];
    r.StrengthUnit = f[4];
    r.Strength2Unit = f[6];
    r.ModulusUnit = f[8];
    r.DensityUnit = f[10];
    row.source = f[13];
    r.Comment = f[12].empty() ? "Source: " + f[13] : f[12] + " Source: " + f[13];
    r.InUse = kMaterialInUse;

    if (r.Name.empty()) return "the name is empty";
    if (row.source.empty()) return "the source is empty";
    const bool metal = r.MainCategory == "Metals";
    if (!metal && r.MainCategory != "Plastics" && r.MainCategory != "Glass" &&
        r.MainCategory != "Ceramics") {
        return "the main category must be Metals, Plastics, Glass or Ceramics";
    }
    if (!ReadDouble(f[3], r.StrengthValue) || r.StrengthValue <= 0) {
        return "the strength is not a positive number";
    }
    if (!InList(StrengthUnitList(), r.StrengthUnit)) return "unknown strength unit";
    if (metal) {
        if (!f[5].empty() || !r.Strength2Unit.empty()) {
            return "a metal has no secondary strength";
        }
    } else {
        if (!ReadDouble(f[5], r.Strength2Value) || r.Strength2Value <= 0) {
            return "the secondary strength is not a positive number";
        }
        if (!InList(StrengthUnitList(), r.Strength2Unit)) return "unknown secondary strength unit";
    }
    if (!ReadDouble(f[7], r.ModulusValue) || r.ModulusValue <= 0) {
        return "the modulus is not a positive number";
    }
    if (!InList(ModulusUnitList(), r.ModulusUnit)) return "unknown modulus unit";
    if (!ReadDouble(f[9], r.DensityValue) || r.DensityValue <= 0) {
        return "the density is not a positive number";
    }
    if (!InList(DensityUnitList(), r.DensityUnit)) return "unknown density unit";
    if (!ReadDouble(f[11], r.PoissonValue) || r.PoissonValue <= 0 || r.PoissonValue >= 0.5) {
        return "Poisson's ratio must lie between 0 and 0.5";
    }
    const std::pair<const std::string*, std::size_t> texts[] = {
        {&r.Name, kMaterialNameWidth},
        {&r.MainCategory, kMaterialCategoryWidth},
        {&r.SubCategory, kMaterialCategoryWidth},
        {&r.Comment, kMaterialCommentWidth},
    };
    for (const auto& [text, width] : texts) {
        std::string bytes;
        if (!Utf8ToWindows1252(*text, bytes)) {
            return "\"" + *text + "\" holds characters the materials file cannot store";
        }
        if (bytes.size() > width) {
            return "\"" + *text + "\" is longer than " + std::to_string(width) + " characters";
        }
    }
    return "";
}

}  // namespace

MaterialsCsv ReadMaterialsCsv(const std::string& text) {
    MaterialsCsv csv;
    std::vector<std::vector<std::string>> records;
    std::vector<int> lines;
    std::string splitError;
    if (!SplitCsv(text, records, lines, splitError)) {
        csv.error = splitError;
        return csv;
    }
    std::string header;
    if (!records.empty()) {
        for (std::size_t i = 0; i < records[0].size(); ++i) {
            header += (i > 0 ? "," : "") + records[0][i];
        }
    }
    if (header != kMaterialsCsvHeader) {
        csv.error = "line 1: the header must be " + std::string(kMaterialsCsvHeader);
        return csv;
    }
    NameList names;
    for (std::size_t i = 1; i < records.size(); ++i) {
        MaterialsCsvRow row;
        row.line = lines[i];
        const std::string fault = ReadRow(records[i], row);
        if (!fault.empty()) {
            csv.error = "line " + std::to_string(row.line) + ": " + fault;
            csv.rows.clear();
            return csv;
        }
        if (ListContains(names, row.record.Name)) {
            csv.error = "line " + std::to_string(row.line) + ": the name \"" + row.record.Name +
                        "\" appears twice";
            csv.rows.clear();
            return csv;
        }
        names.push_back(row.record.Name);
        csv.rows.push_back(std::move(row));
    }
    return csv;
}

}  // namespace tidewell
