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
    // The secondary strength (1234) is kept until a new material load.
    EXPECT_EQ(design.MaterialClass + "|" + design.AngleUnit, "PLASTICS|Degrees");
    EXPECT_EQ(
        std::vector<double>({design.SecondaryStrength, design.YieldStrength,
                             design.EndcapDimEntered[5], design.EndcapDim[5],
                             double(design.BodyDimUnit[2]), double(design.EndcapDimUnit[4]),
                             double(design.PressureRange), double(design.UniformLoadOn),
                             double(design.LineLoadOn), double(design.EdgeRestraint),
                             double(design.BodyFormHeight), double(design.MaterialNoticesShown)}),
        std::vector<double>({1234, 0, 50, 0, -1, -1, 4, 1, -1, 0, 0, 0}));
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
