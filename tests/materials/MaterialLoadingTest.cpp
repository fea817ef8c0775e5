// Loading a material by name: the route of project opening, start-up and the command-line program.

#include <gtest/gtest.h>

#include <string>

#include "materials/MaterialLoading.h"
#include "materials/MaterialsFile.h"
#include "tests/materials/MaterialsTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::ScratchFolder;

std::string OneMaterialFile(const ScratchFolder& folder) {
    const std::string path = folder.File("DesMat.Dat");
    MaterialRecord record;
    record.Name = "HY-80 Steel";
    record.MainCategory = "Metals";
    record.SubCategory = "Steel";
    record.StrengthValue = 80;
    record.StrengthUnit = "Ksi";
    record.ModulusValue = 30;
    record.ModulusUnit = "Mpsi";
    record.DensityValue = 0.283;
    record.DensityUnit = "lb/cu in";
    record.PoissonValue = 0.3;
    record.InUse = kMaterialInUse;
    AddMaterial(path, record);
    return path;
}

// A design that already holds another material.
DesignRecord DesignWithMaterial() {
    DesignRecord design;
    design.MaterialName = "Old";
    design.LoadedMaterialName = "Old";
    design.YieldStrength = 1;
    design.YoungsModulus = 2;
    design.Density = 3;
    design.PoissonsRatio = 0.4;
    return design;
}

class LoadByName : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string path = OneMaterialFile(folder);
    DesignRecord design = DesignWithMaterial();
    ScriptedMessages messages;
};

TEST_F(LoadByName, FoundIgnoringCaseLoadsTheStoredName) {
    EXPECT_TRUE(LoadMaterialByName(design, path, "hy-80 steel", messages));
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(design.MaterialName, "HY-80 Steel");
    EXPECT_EQ(design.LoadedMaterialName, "HY-80 Steel");
    EXPECT_EQ(design.MaterialClass, "Metals");
    EXPECT_DOUBLE_EQ(design.YieldStrength, 80000);
    EXPECT_DOUBLE_EQ(design.YoungsModulus, 30000000);
    EXPECT_DOUBLE_EQ(design.Density, 0.283);
    EXPECT_DOUBLE_EQ(design.PoissonsRatio, 0.3);
    EXPECT_DOUBLE_EQ(design.SecondaryStrength, 0);
}

struct MissingCase {
    const char* label;
    const char* name;
    std::vector<std::string> messages;
};

class LoadMaterialByNameMissing : public LoadByName,
                                  public ::testing::WithParamInterface<MissingCase> {};

TEST_P(LoadMaterialByNameMissing, ClearsTheDesignsMaterial) {
    EXPECT_FALSE(LoadMaterialByName(design, path, GetParam().name, messages));
    EXPECT_EQ(messages.Texts(), GetParam().messages);
    EXPECT_EQ(design.MaterialName, "");
    EXPECT_EQ(design.LoadedMaterialName, "");
    EXPECT_EQ(design.YieldStrength, 0.0);
    EXPECT_EQ(design.YoungsModulus, 0.0);
    EXPECT_EQ(design.Density, 0.0);
    EXPECT_EQ(design.PoissonsRatio, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LoadMaterialByNameMissing,
    ::testing::Values(MissingCase{"unknown",
                                  "Unobtainium",
                                  {"The material \"Unobtainium\" not found in database."}},
                      MissingCase{"trailing_blanks_left_out_of_the_message",
                                  "Unobtainium   ",
                                  {"The material \"Unobtainium\" not found in database."}},
                      MissingCase{"leading_blank_is_another_name",
                                  " HY-80 Steel",
                                  {"The material \" HY-80 Steel\" not found in database."}},
                      MissingCase{"empty_name_quietly", "", {}}),
    testing::RowLabel());

}  // namespace
}  // namespace tidewell
