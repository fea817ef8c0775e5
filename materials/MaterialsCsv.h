// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The human-readable source of the shipped materials database: a CSV file (RFC 4180 quoting, UTF-8)
// with one material per row and the public handbook or datasheet its figures come from.

#include <string>
#include <vector>

#include "materials/MaterialRecord.h"

namespace tidewell {

// The header row the file must start with, columns in this order.
inline constexpr const char* kMaterialsCsvHeader =
    "Name,MainCategory,SubCategory,Strength,StrengthUnit,Strength2,Strength2Unit,Modulus,"
    "ModulusUnit,Density,DensityUnit,Poisson,Comment,Source";

struct MaterialsCsvRow {
    MaterialRecord record;  // in use; the comment ends with "Source: <source>"
    std::string source;
    int line = 0;  // line of the file the row starts on
};

struct MaterialsCsv {
    std::vector<MaterialsCsvRow> rows;
    std::string
        error;  // empty when the whole file was read; otherwise the first fault and its line
};

// Reads and checks the whole text: the header, 14 fields per row, numbers in "." notation, unit
// texts from the editor's lists, one of the four classes, a secondary strength exactly for the
// classes that have one, texts the materials file can hold, a source for every row, no name twice.
// Blank lines are skipped.
MaterialsCsv ReadMaterialsCsv(const std::string& text);

}  // namespace tidewell
