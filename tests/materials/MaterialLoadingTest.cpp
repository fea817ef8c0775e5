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

}  // namespace
}  // namespace tidewell
