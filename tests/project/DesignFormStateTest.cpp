#include <gtest/gtest.h>

#include "project/DesignFormState.h"

namespace tidewell {
namespace {

TEST(ApplyUiActions, NewProjectEmptiesTheBoxesAndSelectsTube) {
    DesignFormState form;
    form.title = "old";
    form.description = "old";
    form.designer = "old";
    form.materialLabel = "Steel";
    form.forceThickCheck = 1;
    form.workStrengthCheck = 1;
    form.endcapSelection = 2;
    form.restraintSelection = 3;
    DesignRecord design;
    ApplyUiActions(NewProject(design), form);
    EXPECT_EQ(form.title, "Project1");
    EXPECT_EQ(form.description, "");
    EXPECT_EQ(form.designer, "");
    EXPECT_EQ(form.materialLabel, "");
    EXPECT_EQ(form.forceThickCheck, 0);
    EXPECT_EQ(form.workStrengthCheck, 0);
    EXPECT_EQ(form.bodySelection, 0);
    EXPECT_EQ(form.endcapSelection, -1);
    EXPECT_EQ(form.restraintSelection, -1);
}

struct BodyIndexRow {
    const char* name;
    int16_t bodyType;
    int16_t endcapType;
    int index;
};

class BodyListIndexTest : public ::testing::TestWithParam<BodyIndexRow> {};

TEST_P(BodyListIndexTest, MapsCodesToTheList) {
    DesignRecord design;
    design.BodyType = GetParam().bodyType;
    design.EndcapType = GetParam().endcapType;
    EXPECT_EQ(BodyListIndexOf(design), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Codes, BodyListIndexTest,
                         ::testing::Values(BodyIndexRow{"Tube", 10, 0, 0},
                                           BodyIndexRow{"Sphere", 9, 0, 1},
                                           BodyIndexRow{"EndcapOnly", 0, 3, 2},
                                           BodyIndexRow{"Nothing", 0, 0, -1},
                                           BodyIndexRow{"RetiredHemisphere", 8, 0, -1}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
