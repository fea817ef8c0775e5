#include <gtest/gtest.h>

#include "materials/MaterialsFile.h"
#include "project/OpenProject.h"
#include "tests/project/ProjectSamples.h"
#include "tests/project/ProjectTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::AnnularPlateLines;
using testing::CrLfText;
using testing::HandWrittenTubeLines;
using testing::ScratchFolder;
using testing::WriteBytes;

MaterialRecord Titanium() {
    MaterialRecord r;
    r.Name = "Titanium 6Al-4V";
    r.MainCategory = "Metals";
    r.SubCategory = "Titanium";
    r.StrengthValue = 120;
    r.StrengthUnit = "Ksi";
    r.ModulusValue = 16.5;
    r.ModulusUnit = "Mpsi";
    r.DensityValue = 0.16;
    r.DensityUnit = "lb/cu in";
    r.PoissonValue = 0.34;
    r.InUse = kMaterialInUse;
    return r;
}

// A program folder holding the materials file, and a design just started anew.
struct Desk {
    ScratchFolder folder;
    std::string materials = folder.File("DesMat.Dat");
    DesignRecord design;
    DesignFormState form;
    ScriptedMessages messages;

    Desk() {
        EXPECT_TRUE(WriteMaterialsFile(materials, {Titanium()}));
        design.ProgramVersion = "4.6";
        ApplyUiActions(NewProject(design), form);
    }

    OpenProjectResult Open(const std::string& path) {
        return OpenProject(path, folder.path().string(), materials, design, form, messages);
    }
};

TEST(OpenProject, ReadsTheFileAndFetchesItsMaterial) {
    Desk desk;
    WriteBytes(desk.folder.path() / "probe.prj", CrLfText(HandWrittenTubeLines()));
    const OpenProjectResult result = desk.Open(desk.folder.File("probe.prj"));
    ASSERT_TRUE(result.opened);
    EXPECT_TRUE(desk.messages.Empty());
    EXPECT_EQ(result.caption, "probe.prj");
    EXPECT_EQ(desk.design.ProjectFilePath, desk.folder.File("probe.prj"));
    EXPECT_EQ(desk.design.ProjectChanged, kFalse);
    EXPECT_EQ(desk.design.ProjectLoadFailed, kFalse);
    EXPECT_EQ(desk.design.MaterialName, "Titanium 6Al-4V");
    EXPECT_EQ(desk.design.LoadedMaterialName, "Titanium 6Al-4V");
    EXPECT_EQ(desk.design.MaterialClass, "Metals");
    EXPECT_DOUBLE_EQ(desk.design.YieldStrength, 120000);  // 120 Ksi in psi
    EXPECT_DOUBLE_EQ(desk.design.YoungsModulus, 16.5e6);  // 16.5 Mpsi in psi
    EXPECT_DOUBLE_EQ(desk.design.Density, 0.16);
    EXPECT_DOUBLE_EQ(desk.design.PoissonsRatio, 0.34);
    EXPECT_EQ(desk.form.materialLabel, "Titanium 6Al-4V");
    EXPECT_EQ(desk.form.title, "Deep probe, mark 2");
    EXPECT_TRUE(result.openBodyEditor);
    EXPECT_FALSE(result.openEndcapEditor);
}

}  // namespace
}  // namespace tidewell
