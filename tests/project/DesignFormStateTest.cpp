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

}  // namespace
}  // namespace tidewell
