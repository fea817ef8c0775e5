// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "analysis/DesignOperations.h"
#include "analysis/ProgramVersion.h"

namespace tidewell {
namespace {

DesignRecord NewDesign() {
    DesignRecord design;
    NewProject(design);
    return design;
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

// A design is a body alone or an endcap alone, whatever was chosen before, and the body editor
// closes when the body changes: every choice of the body list from every body and endcap.
TEST(SelectBody, BodyOrEndcapNeverBoth) {
    const int16_t bodies[] = {kTubeBody, kSphereBody, kNoBody};
    for (int from = 0; from < 3; ++from) {
        for (int endcap = 0; endcap < 4; ++endcap) {
            for (int to = 0; to < 3; ++to) {
                DesignRecord design = NewDesign();
                SelectBody(design, from);
                if (from == 2) SelectEndcap(design, endcap);
                // A body editor left open would show the geometry of the body that went.
                EXPECT_EQ(SelectBody(design, to).closeBodyEditor, from != to);
                EXPECT_EQ(design.BodyType, bodies[to]) << from << endcap << to;
                EXPECT_EQ(design.EndcapType > 0, to == 2) << from << endcap << to;
            }
        }
    }
}

// A new project closes every window that showed the old one.
TEST(NewProject, ClosesEveryWindowOfTheOldProject) {
    DesignRecord design;
    const DesignUiActions a = NewProject(design);
    EXPECT_EQ(std::vector<bool>({a.closeResults, a.closePipeSizeTable, a.closeBodyEditor,
                                 a.closeEndcapEditor, a.closeMaterials}),
              std::vector<bool>(5, true));
}

TEST(ClearDesign, GivesTheClearedState) {
    DesignRecord design;
    design.SecondaryStrength = 1234;
    design.MaterialClass = "PLASTICS";
    design.YieldStrength = 5;
    design.EndcapDim[5] = 77;
    design.AngleUnit = "Radians";
    design.BodyDimUnit[2] = 3;
    design.MaterialNoticesShown = 3;
    ClearDesign(design);
    EXPECT_EQ(design.SecondaryStrength, 1234);  // kept until a new material load
    EXPECT_EQ(design.MaterialClass, "PLASTICS");
    EXPECT_EQ(design.YieldStrength, 0);
    EXPECT_EQ(design.EndcapDimEntered[5], 50);
    EXPECT_EQ(design.EndcapDim[5], 0);
    EXPECT_EQ(design.AngleUnit, "Degrees");
    EXPECT_EQ(design.BodyDimUnit[2], -1);
    EXPECT_EQ(design.EndcapDimUnit[4], -1.0);
    EXPECT_EQ(design.PressureRange, 4);
    EXPECT_EQ(design.UniformLoadOn, 1);
    EXPECT_EQ(design.LineLoadOn, -1);
    EXPECT_EQ(design.EdgeRestraint, 0);
    EXPECT_EQ(design.BodyFormHeight, 0);
    EXPECT_EQ(design.MaterialNoticesShown, 0);
    // Every text of the project, its material and its saved units is emptied.
    using D = DesignRecord;
    for (std::string D::*text :
         {&D::ProjectTitle, &D::ProjectDescription, &D::DesignerName, &D::ProjectReserved1,
          &D::ProjectReserved2, &D::MaterialName, &D::LoadedMaterialName, &D::RangeUnit,
          &D::FailureUnit, &D::WeightUnit, &D::PressureUnit, &D::DepthUnit, &D::StressUnit,
          &D::DeflectionUnit}) {
        design.*text = "old";
        ClearDesign(design);
        EXPECT_EQ(design.*text, "");
    }
}

TEST(ProgramVersion, IsMajorPlusTenthsOfMinor) {
    EXPECT_EQ(ProgramVersionText(), "4.6");
}

}  // namespace
}  // namespace tidewell
