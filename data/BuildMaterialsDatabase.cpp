// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the shipped materials database from its human-readable source:
//   tidewell_build_materials <materials.csv> <DesMat.Dat>
// Every row goes through the materials file's own AddMaterial, so the file format has exactly one
// writer. The output appears only when the whole database was written.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>

#include "materials/MaterialsCsv.h"
#include "materials/MaterialsFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tidewell_build_materials <materials.csv> <DesMat.Dat>\n";
        return 2;
    }
    const std::string csvPath = argv[1];
    const std::string outputPath = argv[2];

    std::ifstream in(csvPath, std::ios::binary);
    if (!in) {
        std::cerr << csvPath << ": cannot be read\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const tidewell::MaterialsCsv csv = tidewell::ReadMaterialsCsv(text);
    if (!csv.error.empty()) {
        std::cerr << csvPath << ": " << csv.error << "\n";
        return 1;
    }

    const std::string buildPath = outputPath + ".build";
    std::error_code ignored;
    std::filesystem::remove(buildPath, ignored);
    for (const tidewell::MaterialsCsvRow& row : csv.rows) {
        tidewell::MaterialsFileStatus status;
        if (!tidewell::AddMaterial(buildPath, row.record, &status)) {
            std::cerr << csvPath << ": line " << row.line << ": "
                      << (status.Ok() ? "the material \"" + row.record.Name +
                                            "\" is already in the database"
                                      : status.error)
                      << "\n";
            std::filesystem::remove(buildPath, ignored);
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(buildPath, outputPath, error);
    if (error) {
        std::cerr << outputPath << ": " << error.message() << "\n";
        std::filesystem::remove(buildPath, ignored);
        return 1;
    }
    std::cout << "Wrote " << csv.rows.size() << " materials to " << outputPath << "\n";
    return 0;
}
