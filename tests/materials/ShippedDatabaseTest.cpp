// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped materials database: built from data/materials.csv, it loads each material with the
// values of its source row; unreadable stored values load as zero with a message; and the faults
// the reader of the source file refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "materials/MaterialCatalogue.h"
#include "materials/MaterialLoading.h"
#include "materials/MaterialUnits.h"
#include "materials/MaterialsCsv.h"
#include "materials/MaterialsFile.h"
#include "materials/Windows1252.h"
#include "tests/TestFiles.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

const std::string kDatabasePath = std::string(TIDEWELL_BINARY_DIR) + "/bin/DesMat.Dat";
const std::string kCsvPath = std::string(TIDEWELL_SOURCE_DIR) + "/data/materials.csv";

std::vector<MaterialsCsvRow> CsvRows() {
    const MaterialsCsv csv = ReadMaterialsCsv(testing::ReadBytes(kCsvPath));
    EXPECT_EQ(csv.error, "");
    return csv.rows;
}

TEST(ShippedDatabase, EveryMaterialLoadsWithoutComplaint) {
    for (const MaterialsCsvRow& row : CsvRows()) {
        DesignRecord design;
        ScriptedMessages messages;
        EXPECT_TRUE(LoadMaterialByName(design, kDatabasePath, row.record.Name, messages))
            << row.record.Name;
        EXPECT_TRUE(messages.Empty()) << row.record.Name;
        EXPECT_GT(design.YieldStrength, 0.0) << row.record.Name;
        EXPECT_GT(design.YoungsModulus, design.YieldStrength) << row.record.Name;
        EXPECT_GT(design.Density, 0.0) << row.record.Name;
    }
}

// The one conversion of a stored material into the design's base units.
struct UnreadableCase {
    const char* label;
    double strength;
    const char* strengthUnit;
    const char* message;
};

class MaterialUnreadableValues : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(MaterialUnreadableValues, LoadAsZeroWithAMessage) {
    // Stored units compare ignoring case.
    // clang-format off
    const MaterialRecord record{"Sample", GetParam().strength, GetParam().strengthUnit, 1.5, "KSI",
                                71, "GPa", 2.66, "gr/cu cm", 0.33, "Metals", "", "",
                                "Marine grade", kMaterialInUse};
    // clang-format on
    DesignRecord design;
    design.YieldStrength = 12345;
    ScriptedMessages messages;
    LoadRecordIntoDesign(design, record, {}, messages);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(design.YieldStrength, 0.0);
    EXPECT_TRUE(std::isfinite(design.YoungsModulus));
    EXPECT_GT(design.YoungsModulus, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MaterialUnreadableValues,
    ::testing::Values(UnreadableCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(),
                                     "Ksi", "Can't parse nan."},
                      UnreadableCase{"infinity", std::numeric_limits<double>::infinity(), "Ksi",
                                     "Can't parse inf."},
                      UnreadableCase{"overflows_in_base_units", 1e308, "GPa",
                                     "Can't parse 1e+308."}),
    testing::RowLabel());

// The reader of the source file.

std::string Csv(const std::string& rows) {
    return std::string(kMaterialsCsvHeader) + "\n" + rows;
}

struct CsvFaultCase {
    const char* label;
    std::string text;
    const char* error;
};

class MaterialsCsvFaults : public ::testing::TestWithParam<CsvFaultCase> {};

TEST_P(MaterialsCsvFaults, FirstFaultWithItsLine) {
    const MaterialsCsv csv = ReadMaterialsCsv(GetParam().text);
    EXPECT_EQ(csv.error, GetParam().error);
    EXPECT_TRUE(csv.rows.empty());
}

const char* const kGoodRow = "A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, MaterialsCsvFaults,
    ::testing::Values(
        CsvFaultCase{"wrong_header", "Name,Class\n",
                     "line 1: the header must be Name,MainCategory,SubCategory,Strength,"
                     "StrengthUnit,Strength2,Strength2Unit,Modulus,ModulusUnit,Density,"
                     "DensityUnit,Poisson,Comment,Source"},
        CsvFaultCase{"short_row", Csv("A,Metals\n"), "line 2: 2 fields instead of 14"},
        CsvFaultCase{"unknown_unit", Csv("A,Metals,S,1,ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
                     "line 2: unknown strength unit"},
        CsvFaultCase{"decimal_comma", Csv("A,Metals,S,\"1,5\",Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,B\n"),
                     "line 2: the strength is not a positive number"},
        CsvFaultCase{"plastic_without_working_strength",
                     Csv("A,Plastics,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
                     "line 2: the secondary strength is not a positive number"},
        CsvFaultCase{"metal_with_secondary",
                     Csv("A,Metals,S,1,Ksi,1,Ksi,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
                     "line 2: a metal has no secondary strength"},
        CsvFaultCase{"poisson_out_of_range", Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.5,,B\n"),
                     "line 2: Poisson's ratio must lie between 0 and 0.5"},
        CsvFaultCase{"duplicate_name",
                     Csv(std::string(kGoodRow) + "a,Metals,S,1,Ksi,,,2,Mpsi,"
                                                 "0.1,lb/cu in,0.3,,Book\n"),
                     "line 3: the name \"a\" appears twice"},
        CsvFaultCase{"name_too_long",
                     Csv(std::string(51, 'n') + ",Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,B\n"),
                     "line 2: \"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn\" is longer "
                     "than 50 characters"},
        CsvFaultCase{"open_quote", Csv("\"A,Metals\n"), "line 2: a quoted field is not closed"},
        CsvFaultCase{"strength_zero", Csv("A,Metals,S,0,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
                     "line 2: the strength is not a positive number"},
        CsvFaultCase{"poisson_zero", Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0,,Book\n"),
                     "line 2: Poisson's ratio must lie between 0 and 0.5"},
        CsvFaultCase{"poisson_negative", Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,-0.2,,B\n"),
                     "line 2: Poisson's ratio must lie between 0 and 0.5"},
        CsvFaultCase{"secondary_without_unit",
                     Csv("A,Plastics,S,1,Ksi,0.5,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
                     "line 2: unknown secondary strength unit"}),
    testing::RowLabel());

TEST(MaterialsCsvReader, QuotedFieldsAndSourceInTheComment) {
    const MaterialsCsv csv = ReadMaterialsCsv(
        Csv("\"Steel, \"\"mild\"\"\",Metals,Steel,36,Ksi,,,29,Mpsi,0.284,lb/cu in,0.26,"
            "\"Two\nlines\",Handbook\r\n\n"));
    ASSERT_EQ(csv.error, "");
    ASSERT_EQ(csv.rows.size(), 1u);
    EXPECT_EQ(csv.rows[0].record.Name, "Steel, \"mild\"");
    EXPECT_EQ(csv.rows[0].record.Comment, "Two\nlines Source: Handbook");
    EXPECT_EQ(csv.rows[0].record.StrengthValue, 36);
    EXPECT_EQ(csv.rows[0].line, 2);
}

// Each unit list selects the stored unit, in any case, wherever it stands in its list; a unit
// the list lacks keeps the selection before.
TEST(FieldTextsForRecord, SelectsTheStoredUnitAnywhereInTheList) {
    for (int i = 0; i < 7; ++i) {
        MaterialRecord record;
        record.StrengthUnit = record.Strength2Unit = UpperCaseText(StrengthUnitList()[i]);
        record.ModulusUnit = ModulusUnitList()[i];
        record.DensityUnit = i < 5 ? DensityUnitList()[i] : "furlongs";
        const MaterialUnitSelection got = FieldTextsForRecord(record, {3, 3, 3, 3}).units;
        EXPECT_EQ(std::vector<int>({got.strength, got.strength2, got.modulus, got.density}),
                  std::vector<int>({i, i, i, i < 5 ? i : 3}));
    }
}

}  // namespace
}  // namespace tidewell
