// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The materials file: byte layout, round trips, slot counts and its single-byte text; the shipped
// database built from data/materials.csv; unreadable stored values; the source file's reader.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
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

using testing::ReadBytes;
using testing::ScratchFolder;

constexpr long long kSlot = 8604;

MaterialRecord Material(const std::string& name, const std::string& category = "Metals",
                        const std::string& subCategory = "Steel") {
    return {name,       80,  "Ksi",    0,           "", 30, "Mpsi",        0.283,
            "lb/cu in", 0.3, category, subCategory, "", "", kMaterialInUse};
}

// A materials file of its own in a fresh folder.
class MaterialsFileTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string path = folder.File("DesMat.Dat");
};

// "Titanium é µ°", a negative value and "Price €" in its comment.
// clang-format off
const MaterialRecord kLayoutRecord{"Titanium \xC3\xA9 \xC2\xB5\xC2\xB0", 128.0, "Ksi", -3.0, "MPa",
                                   16.5, "Mpsi", 0.25, "lb/cu in", 0.5, "Metals", "Titanium", "",
                                   "Price \xE2\x82\xAC", kMaterialInUse};
// clang-format on

// The slot written out field by field, independently of the packer: single-byte text padded with
// blanks to its width; 128.0, -3.0, 16.5, 0.25 and 0.5 as little-endian doubles; InUse -1.
std::string Padded(const std::string& singleBytes, std::size_t width) {
    return singleBytes + std::string(width - singleBytes.size(), ' ');
}

std::string LayoutExpectedBytes() {
    using namespace std::string_literals;
    std::string slot = Padded("Titanium \xE9 \xB5\xB0", 50) + "\0\0\0\0\0\0\x60\x40"s +
                       Padded("Ksi", 20) + "\0\0\0\0\0\0\x08\xC0"s + Padded("MPa", 20) +
                       "\0\0\0\0\0\x80\x30\x40"s + Padded("Mpsi", 20) + "\0\0\0\0\0\0\xD0\x3F"s +
                       Padded("lb/cu in", 20) + "\0\0\0\0\0\0\xE0\x3F"s + Padded("Metals", 50) +
                       Padded("Titanium", 50) + Padded("", 50) + Padded("Price \x80", 4000) +
                       "\xFF\xFF"s;
    slot.resize(8604, '\0');
    return slot;
}

TEST(MaterialsFileLayout, PackedRecordMatchesTheByteLayout) {
    std::string packed;
    ASSERT_TRUE(PackMaterialRecord(kLayoutRecord, packed));
    const std::string expected = LayoutExpectedBytes();
    ASSERT_EQ(packed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(static_cast<unsigned char>(packed[i]), static_cast<unsigned char>(expected[i]))
            << "byte " << i;
    }
}

// A missing file opens as an empty one; a closed handle holds nothing.
TEST_F(MaterialsFileTest, MissingFileOpensEmptyAndClosedHoldsNothing) {
    MaterialsFileStatus status;
    MaterialsFileHandle handle = OpenMaterialsFile(path, status);
    EXPECT_TRUE(status.Ok());
    EXPECT_TRUE(handle.IsOpen());
    EXPECT_EQ(handle.SlotCount(), 0);
    ASSERT_TRUE(AddMaterial(path, kLayoutRecord));
    handle = OpenMaterialsFile(path, status);
    EXPECT_EQ(handle.SlotCount(), 1);
    CloseMaterialsFile(handle);
    EXPECT_FALSE(handle.IsOpen());
    EXPECT_EQ(handle.SlotCount(), 0);
}

// A ninth record cut short before its in-use flag: the missing bytes read as zeros, not as bytes
// of a record read before it, so it is not in use.
TEST_F(MaterialsFileTest, RecordCutBeforeItsFlagIsNotInUse) {
    std::vector<MaterialRecord> records(9, kLayoutRecord);
    for (int i = 0; i < 9; ++i) records[i].Name = "Record " + std::to_string(i + 1);
    ASSERT_TRUE(WriteMaterialsFile(path, records));
    std::string bytes = ReadBytes(path);
    bytes.resize(8 * kMaterialSlotSize + kMaterialDataSize - 2);
    testing::WriteBytes(path, bytes);
    EXPECT_EQ(ListMaterialNames(path, kAllNames, kAllNames).size(), 8U);
}

// The slot of a name, or -1 when no record has it or the file cannot be read (a folder).
TEST_F(MaterialsFileTest, FindMaterialGivesTheSlotOrMinusOne) {
    ASSERT_TRUE(AddMaterial(path, kLayoutRecord));
    EXPECT_EQ(FindMaterial(path, kLayoutRecord.Name), 1);
    EXPECT_EQ(FindMaterial(path, "Unobtainium"), -1);
    MaterialsFileStatus status;
    EXPECT_EQ(FindMaterial(folder.path().string(), kLayoutRecord.Name, &status), -1);
    EXPECT_FALSE(status.Ok());
    EXPECT_EQ(FindMaterial(path, kLayoutRecord.Name, &status), 1);
    EXPECT_TRUE(status.Ok());  // an earlier error does not stay, nor in the search for a free slot
    status.error = "an earlier error";
    MaterialsFileStatus openStatus;
    MaterialsFileHandle handle = OpenMaterialsFile(path, openStatus);
    EXPECT_EQ(FirstFreeSlot(handle, &status), 2);
    EXPECT_TRUE(status.Ok());
}

// A disk that fills while a record or the whole file is written: the file stays as it was, the
// user is told and no file is left open.
TEST_F(MaterialsFileTest, FullDiskLeavesTheFileAndSaysWhy) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    ASSERT_TRUE(AddMaterial(path, kLayoutRecord));
    const std::string before = ReadBytes(path);
    const auto opened = openFiles();
    for (int whole = 0; whole < 2; ++whole) {
        std::filesystem::create_symlink("/dev/full", path + ".tmp");
        MaterialsFileStatus status;
        EXPECT_FALSE(whole ? WriteMaterialsFile(path, {kLayoutRecord}, &status)
                           : DeleteMaterial(path, kLayoutRecord.Name, &status));
        EXPECT_NE(status.error.find("DesMat.Dat"), std::string::npos) << status.error;
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(openFiles(), opened);
    }
}

MaterialRecord AccentedRecord() {
    MaterialRecord record = Material(
        "Acier inoxydable \xC3\xA9"
        "crou",
        "M\xC3\xA9taux", "Inox \xC2\xB0");
    record.Comment =
        "Strain in \xC2\xB5m/m at 20 \xC2\xB0"
        "C; caf\xC3\xA9";
    record.Strength2Value = 12.75;
    record.Strength2Unit = "Ksi";
    return record;
}

MaterialRecord FullWidthRecord() {
    MaterialRecord record =
        Material(std::string(50, 'N'), std::string(50, 'C'), std::string(50, 'S'));
    record.StrengthUnit = std::string(20, 'u');
    record.Spare = std::string(50, 'r');
    record.Comment = std::string(3999, 'x') + "\xC3\xA9";
    record.StrengthValue = 1.0e300;
    record.ModulusValue = -2.5e-300;
    record.PoissonValue = 0.1;
    return record;
}

// A plain metal, Windows-1252 characters, every field at full width, and empty texts.
TEST_F(MaterialsFileTest, EveryFieldComesBack) {
    MaterialRecord bare = Material("Bare", "", "");
    bare.StrengthUnit = bare.ModulusUnit = bare.DensityUnit = "";
    auto fields = [](const MaterialRecord& r) {
        return std::tie(r.Name, r.StrengthValue, r.StrengthUnit, r.Strength2Value, r.Strength2Unit,
                        r.ModulusValue, r.ModulusUnit, r.DensityValue, r.DensityUnit,
                        r.PoissonValue, r.MainCategory, r.SubCategory, r.Spare, r.Comment);
    };
    for (const MaterialRecord& written :
         {Material("HY-80"), AccentedRecord(), FullWidthRecord(), bare}) {
        ASSERT_TRUE(AddMaterial(path, written));
        const MaterialRecord read = ReadMaterial(path, written.Name);
        EXPECT_EQ(fields(read), fields(written));
        EXPECT_EQ(read.InUse, kMaterialInUse);
    }
}

// The nearest whole slot, a half rounded to even; a slot is 8604 bytes, 4322 of them data.
TEST(MaterialsFileSlotCount, NearestWholeSlotHalfToEven) {
    const std::vector<std::pair<long long, long long>> rows = {
        {0, 0},        {4301, 0},  {4302, 0},         {4303, 1},
        {4322, 1},     {kSlot, 1}, {kSlot + 4302, 2}, {2 * kSlot + 4302, 2},
        {3 * kSlot, 3}};
    for (const auto& [length, slots] : rows) EXPECT_EQ(SlotCountForLength(length), slots) << length;
}

// The upper half of the code page against the characters it stands for, as the compiler encodes
// them; the five undefined bytes read as the C1 controls of the same number.
TEST(Windows1252, UpperHalfIsTheCodePage) {
    std::string upperHalf;
    for (int b = 0x80; b < 0x100; ++b) upperHalf.push_back(static_cast<char>(b));
    EXPECT_EQ(
        Windows1252ToUtf8(upperHalf),
        u8"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
        u8"°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ");
    EXPECT_EQ(UpperCaseText(u8"az àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ šœž ßµ ğ"),
              u8"AZ ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ÷ØÙÚÛÜÝÞŸ ŠŒŽ ßµ ğ");
    // Bytes that are not UTF-8 are kept, each of them, and the text after them upper-cased.
    EXPECT_EQ(UpperCaseText("\xE2\x82"
                            "a\xF0\x9F\x98"
                            "b\x80"
                            "c"),
              "\xE2\x82"
              "A\xF0\x9F\x98"
              "B\x80"
              "C");
}

// Sequences of every length, at the ends of each length's range, decoded as the compiler does.
TEST(Windows1252, DecodesEveryLengthOfUtf8) {
    const std::string text = u8"\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFD\U00010000\U0010FFFF";
    std::u32string decoded;
    std::size_t pos = 0;
    for (char32_t c = 0; NextCodePoint(text, pos, c);) decoded.push_back(c);
    EXPECT_EQ(decoded, U"\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFD\U00010000\U0010FFFF");
    EXPECT_EQ(pos, text.size());
    EXPECT_TRUE(IsValidUtf8(text));
    // Malformed: a lone continuation, cut short, overlong forms, surrogates, beyond U+10FFFF, bytes
    // no sequence starts with, a bad continuation.
    for (const std::string bad :
         {"\x80", "\xE2\x82", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",
          "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xC3\x28",
          "\xE2\x82\x28", "\xF0\x9F\x8C\x28", "\xFF"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << ::testing::PrintToString(bad);
    }
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

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

// The one conversion of a stored material into the design's base units: a value that is no
// number, or overflows in base units, loads as zero with a message; stored units ignore case.
TEST(MaterialUnreadableValues, LoadAsZeroWithAMessage) {
    const std::vector<std::tuple<double, const char*, const char*>> rows = {
        {std::numeric_limits<double>::quiet_NaN(), "Ksi", "Can't parse nan."},
        {std::numeric_limits<double>::infinity(), "Ksi", "Can't parse inf."},
        {1e308, "GPa", "Can't parse 1e+308."}};
    for (const auto& [strength, unit, message] : rows) {
        SCOPED_TRACE(message);
        const MaterialRecord record{"Sample", strength,       unit,          1.5,  "KSI",    71,
                                    "GPa",    2.66,           "gr/cu cm",    0.33, "Metals", "",
                                    "",       "Marine grade", kMaterialInUse};
        DesignRecord design;
        design.YieldStrength = 12345;
        ScriptedMessages messages;
        LoadRecordIntoDesign(design, record, {}, messages);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{message});
        EXPECT_EQ(design.YieldStrength, 0.0);
        EXPECT_TRUE(std::isfinite(design.YoungsModulus));
        EXPECT_GT(design.YoungsModulus, 0.0);
    }
}

// The reader of the source file.

std::string Csv(const std::string& rows) {
    return std::string(kMaterialsCsvHeader) + "\n" + rows;
}

// The first fault found, with its line; no rows are read.
TEST(MaterialsCsvReader, RefusesAFaultWithItsLine) {
    const std::vector<std::pair<std::string, const char*>> rows = {
        {"Name,Class\n",
         "line 1: the header must be Name,MainCategory,SubCategory,Strength,StrengthUnit,Strength2,"
         "Strength2Unit,Modulus,ModulusUnit,Density,DensityUnit,Poisson,Comment,Source"},
        {Csv("A,Metals\n"), "line 2: 2 fields instead of 14"},
        {Csv("A,Metals,S,1,ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
         "line 2: unknown strength unit"},
        {Csv("A,Metals,S,\"1,5\",Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,B\n"),
         "line 2: the strength is not a positive number"},
        {Csv("A,Plastics,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
         "line 2: the secondary strength is not a positive number"},
        {Csv("A,Metals,S,1,Ksi,1,Ksi,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
         "line 2: a metal has no secondary strength"},
        {Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.5,,B\n"),
         "line 2: Poisson's ratio must lie between 0 and 0.5"},
        {Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,\"x\ny\",Book\n"  // a comment of two lines
             "a,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
         "line 4: the name \"a\" appears twice"},
        {Csv(std::string(51, 'n') + ",Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,B\n"),
         "line 2: \"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn\" is longer than 50 "
         "characters"},
        {Csv("\"A,Metals\n"), "line 2: a quoted field is not closed"},
        {Csv("A\"B,Metals\n"), "line 2: a quote inside an unquoted field"},
        {Csv("A,Metals,S,0,Ksi,,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
         "line 2: the strength is not a positive number"},
        {Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,0,,Book\n"),
         "line 2: Poisson's ratio must lie between 0 and 0.5"},
        {Csv("A,Metals,S,1,Ksi,,,2,Mpsi,0.1,lb/cu in,-0.2,,B\n"),
         "line 2: Poisson's ratio must lie between 0 and 0.5"},
        {Csv("A,Plastics,S,1,Ksi,0.5,,2,Mpsi,0.1,lb/cu in,0.3,,Book\n"),
         "line 2: unknown secondary strength unit"}};
    for (const auto& [text, error] : rows) {
        const MaterialsCsv csv = ReadMaterialsCsv(text);
        EXPECT_EQ(csv.error, error) << text;
        EXPECT_TRUE(csv.rows.empty()) << text;
    }
}

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
