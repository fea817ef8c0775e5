// The record layer of the materials file: byte layout, round trips, slot counts and damaged files.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "materials/MaterialsFile.h"
#include "tests/materials/MaterialsTestSupport.h"

namespace tidewell {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

constexpr long long kSlot = 8604;

MaterialRecord Material(const std::string& name, const std::string& category = "Metals",
                        const std::string& subCategory = "Steel") {
    MaterialRecord record;
    record.Name = name;
    record.StrengthValue = 80;
    record.StrengthUnit = "Ksi";
    record.ModulusValue = 30;
    record.ModulusUnit = "Mpsi";
    record.DensityValue = 0.283;
    record.DensityUnit = "lb/cu in";
    record.PoissonValue = 0.3;
    record.MainCategory = category;
    record.SubCategory = subCategory;
    record.InUse = kMaterialInUse;
    return record;
}

// A materials file of its own in a fresh folder.
class MaterialsFileTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string path = folder.File("DesMat.Dat");
};

template <typename Row>
class MaterialsFileRows : public MaterialsFileTest, public ::testing::WithParamInterface<Row> {};

using MaterialsFileLayout = MaterialsFileTest;

// --- byte layout ---------------------------------------------------------------------------

// Expected slot bytes written out by offset, independently of the packer.
class ExpectedSlot {
public:
    ExpectedSlot() : bytes_(8604, '\0') {}
    // Single-byte text left-aligned, padded with blanks to the width.
    void Text(std::size_t offset, std::size_t width, const std::string& singleBytes) {
        for (std::size_t i = 0; i < width; ++i) {
            bytes_[offset + i] = i < singleBytes.size() ? singleBytes[i] : ' ';
        }
    }
    // Eight little-endian bytes given lowest first.
    void Bytes(std::size_t offset, std::initializer_list<unsigned char> values) {
        std::size_t i = offset;
        for (const unsigned char v : values) bytes_[i++] = static_cast<char>(v);
    }
    const std::string& Get() const { return bytes_; }

private:
    std::string bytes_;
};

MaterialRecord LayoutRecord() {
    MaterialRecord record;
    record.Name = "Titanium \xC3\xA9 \xC2\xB5\xC2\xB0";  // "Titanium é µ°"
    record.StrengthValue = 128.0;
    record.StrengthUnit = "Ksi";
    record.Strength2Value = -3.0;
    record.Strength2Unit = "MPa";
    record.ModulusValue = 16.5;
    record.ModulusUnit = "Mpsi";
    record.DensityValue = 0.25;
    record.DensityUnit = "lb/cu in";
    record.PoissonValue = 0.5;
    record.MainCategory = "Metals";
    record.SubCategory = "Titanium";
    record.Spare = "";
    record.Comment = "Price \xE2\x82\xAC";  // "Price €"
    record.InUse = kMaterialInUse;
    return record;
}

std::string LayoutExpectedBytes() {
    ExpectedSlot slot;
    slot.Text(0, 50, "Titanium \xE9 \xB5\xB0");
    slot.Bytes(50, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x60, 0x40});  // 128.0
    slot.Text(58, 20, "Ksi");
    slot.Bytes(78, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xC0});  // -3.0
    slot.Text(86, 20, "MPa");
    slot.Bytes(106, {0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x30, 0x40});  // 16.5
    slot.Text(114, 20, "Mpsi");
    slot.Bytes(134, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD0, 0x3F});  // 0.25
    slot.Text(142, 20, "lb/cu in");
    slot.Bytes(162, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F});  // 0.5
    slot.Text(170, 50, "Metals");
    slot.Text(220, 50, "Titanium");
    slot.Text(270, 50, "");
    slot.Text(320, 4000, "Price \x80");
    slot.Bytes(4320, {0xFF, 0xFF});  // InUse -1
    return slot.Get();
}

TEST_F(MaterialsFileLayout, PackedRecordMatchesTheByteLayout) {
    std::string packed;
    ASSERT_TRUE(PackMaterialRecord(LayoutRecord(), packed));
    const std::string expected = LayoutExpectedBytes();
    ASSERT_EQ(packed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(static_cast<unsigned char>(packed[i]), static_cast<unsigned char>(expected[i]))
            << "byte " << i;
    }
}

// --- round trips ---------------------------------------------------------------------------

struct RoundTripCase {
    const char* label;
    MaterialRecord record;
};

using MaterialsFileRoundTrip = MaterialsFileRows<RoundTripCase>;

TEST_P(MaterialsFileRoundTrip, EveryFieldComesBack) {
    const MaterialRecord& written = GetParam().record;
    ASSERT_TRUE(AddMaterial(path, written));
    const MaterialRecord read = ReadMaterial(path, written.Name);
    EXPECT_EQ(read.Name, written.Name);
    EXPECT_EQ(read.StrengthValue, written.StrengthValue);
    EXPECT_EQ(read.StrengthUnit, written.StrengthUnit);
    EXPECT_EQ(read.Strength2Value, written.Strength2Value);
    EXPECT_EQ(read.Strength2Unit, written.Strength2Unit);
    EXPECT_EQ(read.ModulusValue, written.ModulusValue);
    EXPECT_EQ(read.ModulusUnit, written.ModulusUnit);
    EXPECT_EQ(read.DensityValue, written.DensityValue);
    EXPECT_EQ(read.DensityUnit, written.DensityUnit);
    EXPECT_EQ(read.PoissonValue, written.PoissonValue);
    EXPECT_EQ(read.MainCategory, written.MainCategory);
    EXPECT_EQ(read.SubCategory, written.SubCategory);
    EXPECT_EQ(read.Spare, written.Spare);
    EXPECT_EQ(read.Comment, written.Comment);
    EXPECT_EQ(read.InUse, kMaterialInUse);
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
    record.Comment = std::string(3999, 'x') + "\xC3\xA9";
    record.StrengthValue = 1.0e300;
    record.ModulusValue = -2.5e-300;
    record.PoissonValue = 0.1;
    return record;
}

MaterialRecord EmptyTextsRecord() {
    MaterialRecord record = Material("Bare", "", "");
    record.StrengthUnit = "";
    record.ModulusUnit = "";
    record.DensityUnit = "";
    return record;
}

INSTANTIATE_TEST_SUITE_P(
    Records, MaterialsFileRoundTrip,
    ::testing::Values(RoundTripCase{"plain_metal", Material("HY-80")},
                      RoundTripCase{"windows_1252_characters", AccentedRecord()},
                      RoundTripCase{"every_field_full_width", FullWidthRecord()},
                      RoundTripCase{"empty_texts", EmptyTextsRecord()}),
    testing::RowLabel());

// --- edge cases ----------------------------------------------------------------------------

struct SlotCountCase {
    const char* label;
    long long length;
    long long slots;
};

class MaterialsFileSlotCount : public ::testing::TestWithParam<SlotCountCase> {};

TEST_P(MaterialsFileSlotCount, NearestWholeSlotHalfToEven) {
    EXPECT_EQ(SlotCountForLength(GetParam().length), GetParam().slots);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, MaterialsFileSlotCount,
    ::testing::Values(SlotCountCase{"empty", 0, 0}, SlotCountCase{"below_half", 4301, 0},
                      SlotCountCase{"exact_half_rounds_to_even_zero", 4302, 0},
                      SlotCountCase{"above_half", 4303, 1},
                      SlotCountCase{"data_bytes_only", 4322, 1},
                      SlotCountCase{"one_slot", kSlot, 1},
                      SlotCountCase{"one_and_a_half_rounds_to_two", kSlot + 4302, 2},
                      SlotCountCase{"two_and_a_half_rounds_to_two", 2 * kSlot + 4302, 2},
                      SlotCountCase{"three_slots", 3 * kSlot, 3}),
    testing::RowLabel());

// --- lists ---------------------------------------------------------------------------------

// --- damaged files -------------------------------------------------------------------------

using MaterialsFileRandomBytes = MaterialsFileRows<unsigned>;

}  // namespace
}  // namespace tidewell
