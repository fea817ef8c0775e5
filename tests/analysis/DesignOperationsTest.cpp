#include <gtest/gtest.h>

#include "analysis/DesignOperations.h"
#include "analysis/ProgramVersion.h"

namespace tidewell {
namespace {

DesignRecord NewDesign() {
    DesignRecord design;
    NewProject(design);
    return design;
}

TEST(NewProject, StartsAnUnchangedUnsavedTube) {
    DesignRecord design;
    design.ProjectFilePath = "/tmp/a.prj";
    design.ProjectChanged = kTrue;
    design.AnalysisScope = 2;
    design.ForceThickWall = 1;
    const DesignUiActions actions = NewProject(design);
    EXPECT_EQ(design.ProjectTitle, "Project1");
    EXPECT_EQ(design.BodyType, kTubeBody);
    EXPECT_EQ(design.EndcapType, kNoEndcap);
    EXPECT_EQ(design.ProjectChanged, kFalse);
    EXPECT_TRUE(design.ProjectFilePath.empty());
    EXPECT_EQ(design.UniformLoadOn, kTrue);
    EXPECT_EQ(design.ForceThickWall, 0);
    EXPECT_EQ(design.AnalysisScope, 0);
    EXPECT_TRUE(actions.closeResults);
    EXPECT_TRUE(actions.closeMaterials);
    EXPECT_EQ(actions.homeCaption.value_or(""), "(Not saved)");
    EXPECT_EQ(actions.titleText.value_or(""), "Project1");
    EXPECT_EQ(actions.bodySelection.value_or(-9), 0);
}

TEST(SelectBody, TubeAgainKeepsGeometryButDropsEndcap) {
    DesignRecord design = NewDesign();
    design.BodyDim[1] = 6;
    design.EndcapType = kFlatCircularEndcap;
    const DesignUiActions actions = SelectBody(design, 0);
    EXPECT_EQ(design.BodyDim[1], 6);
    EXPECT_EQ(design.EndcapType, kNoEndcap);
    EXPECT_EQ(design.EdgeRestraint, -1);
    EXPECT_EQ(design.ProjectChanged, kTrue);
    EXPECT_TRUE(actions.closeEndcapEditor);
}

TEST(SelectBody, SphereClearsBodyGeometryOnlyWhenNew) {
    DesignRecord design = NewDesign();
    design.BodyDim[1] = 6;
    SelectBody(design, 1);
    EXPECT_EQ(design.BodyType, kSphereBody);
    EXPECT_EQ(design.BodyDim[1], 0);
    design.BodyDim[1] = 8;
    design.ProjectChanged = kFalse;
    const DesignUiActions again = SelectBody(design, 1);
    EXPECT_EQ(design.BodyDim[1], 8);
    EXPECT_EQ(design.ProjectChanged, kFalse);
    EXPECT_FALSE(again.closeResults);
}

TEST(SelectBody, EndcapOnlySelectsFlatCircularWhenNoEndcap) {
    DesignRecord design = NewDesign();
    const DesignUiActions actions = SelectBody(design, 2);
    EXPECT_EQ(design.BodyType, kNoBody);
    EXPECT_EQ(design.EndcapType, kFlatCircularEndcap);
    EXPECT_EQ(design.EdgeRestraint, 0);
    ASSERT_TRUE(actions.restraintList.has_value());
    EXPECT_EQ(actions.restraintList->caption, "Edge Restraint Options");
    EXPECT_EQ(actions.restraintList->entries.size(), 2u);
    EXPECT_EQ(actions.endcapSelection.value_or(-9), 3);
    EXPECT_TRUE(actions.closeResults);
}

struct EndcapCase {
    const char* name;
    int listIndex;
    int16_t code;
    bool restraintVisible;
    int restraint;
    size_t entries;
};

class SelectEndcapTest : public ::testing::TestWithParam<EndcapCase> {};

TEST_P(SelectEndcapTest, RebuildsTheRestraintList) {
    const EndcapCase c = GetParam();
    DesignRecord design = NewDesign();
    SelectBody(design, 2);
    if (design.EndcapType == c.code) SelectEndcap(design, c.listIndex == 0 ? 1 : 0);
    design.EndcapDim[2] = 1;
    const DesignUiActions actions = SelectEndcap(design, c.listIndex);
    EXPECT_EQ(design.EndcapType, c.code);
    EXPECT_EQ(design.EndcapDim[2], 0);
    EXPECT_EQ(design.EdgeRestraint, c.restraint);
    ASSERT_TRUE(actions.restraintList.has_value());
    EXPECT_EQ(actions.restraintList->visible, c.restraintVisible);
    EXPECT_EQ(actions.restraintList->entries.size(), c.entries);
    EXPECT_TRUE(actions.closeResults);
    // Choosing the same endcap again does nothing.
    design.ProjectChanged = kFalse;
    const DesignUiActions again = SelectEndcap(design, c.listIndex);
    EXPECT_EQ(design.ProjectChanged, kFalse);
    EXPECT_FALSE(again.closeResults);
}

INSTANTIATE_TEST_SUITE_P(
    Endcaps, SelectEndcapTest,
    ::testing::Values(EndcapCase{"FlatAnnular", 0, kFlatAnnularEndcap, true, 4, 12},
                      EndcapCase{"Conical", 1, kConicalEndcap, false, -1, 0},
                      EndcapCase{"Hemispherical", 2, kHemisphericalEndcap, false, -1, 0},
                      EndcapCase{"FlatCircular", 3, kFlatCircularEndcap, true, 0, 2}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
