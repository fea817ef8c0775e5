// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry editors' models driven as the user drives the windows; values worked by hand.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/DesignOperations.h"
#include "analysis/DesignValidation.h"
#include "forms/BodyEditorModel.h"
#include "forms/EndcapEditorModel.h"
#include "forms/PipeSizeTable.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

constexpr int kIn = 0, kMm = 1, kCm = 4;

// The user's steps, separated by ';': "2=text" types into field 2 and leaves it, "u2=4" chooses
// entry 4 of unit list 2, "f1" chooses fixed option 1.
void Drive(GeometryEditor& editor, const std::string& steps) {
    std::istringstream in(steps);
    for (std::string step; std::getline(in, step, ';');) {
        const std::string value = step.substr(step.find('=') + 1);
        if (step[0] == 'f') {
            editor.FixedOptionChosen(std::stoi(step.substr(1)));
        } else if (step[0] == 'u') {
            editor.UnitChosen(std::stoi(step.substr(1)), std::stoi(value));
        } else {
            editor.FieldEdited(std::stoi(step), value);
            editor.Commit();
        }
    }
}

DesignRecord NewDesign(int bodyList, int endcapList = -1) {
    DesignRecord design;
    NewProject(design);
    SelectBody(design, bodyList);
    if (endcapList >= 0) SelectEndcap(design, endcapList);
    return design;
}

struct EditorRow {
    int bodyList;    // 0 tube, 2 endcap only
    int endcapList;  // -1 body editor
    const char* steps;
    std::vector<double> typed;  // expected typed values of fields 0 ...; -1 not checked
};

// Units: 0 in, 1 mm, 4 cm.
const EditorRow kEditorRows[] = {
    {0, -1, "0=4;1=5", {4, 5, 0.5}},  // the wall from the diameters
    // The option starts at "Maintain I.D. constant": the edited wall moves the O.D.
    {0, -1, "0=4;1=5;2=1", {4, 6, 1}},
    {0, -1, "f1;0=4;1=5;2=1", {3, 5, 1}},
    // 127 mm - 100 mm = 27 mm, half of it 13.5 mm = 1.35 cm.
    {0, -1, "u0=1;u2=4;0=100;1=5", {100, 5, 1.35}},
    {0, -1, "0=0;1=-3", {0, 0, 0}},        // zero and negative leave the fields empty
    {0, -1, "3=2 k", {-1, -1, -1, 2000}},  // an engineering suffix
    {2, 1, "1=6;2=0.5", {5, 6, 0.5}},      // the cone completes too
    // Increments: at least 2, at most 1000, whole.
    {2, 0, "5=1", {-1, -1, -1, -1, -1, 2}},
    {2, 0, "5=5000", {-1, -1, -1, -1, -1, 1000}},
    {2, 0, "5=49.6", {-1, -1, -1, -1, -1, 50}},
    // A hole wider than the plate, a free diameter beyond the plate or inside the hole.
    {2, 0, "1=10;3=12", {0, 10, 0, 0}},
    {2, 0, "1=10;3=2;0=11", {0, 10, 0, 2, 2, 50, 2, 2}},
    {2, 0, "1=10;3=2;0=1", {0, 10, 0, 2}},
    {2, 3, "1=10;0=11", {0, 10}},  // the circular plate's free diameter beyond the plate
};

TEST(EditorRows, StoreWhatTheUserMeant) {
    for (const EditorRow& row : kEditorRows) {
        SCOPED_TRACE(row.steps);
        DesignRecord design = NewDesign(row.bodyList, row.endcapList);
        ScriptedMessages messages;
        const bool body = row.endcapList < 0;
        const auto editor =
            body ? std::unique_ptr<GeometryEditor>(new BodyEditorModel(design, messages))
                 : std::unique_ptr<GeometryEditor>(new EndcapEditorModel(design, messages));
        Drive(*editor, row.steps);
        for (std::size_t i = 0; i < row.typed.size(); ++i) {
            if (row.typed[i] < 0) continue;
            const double typed = body ? design.BodyDimEntered[i] : design.EndcapDimEntered[i];
            EXPECT_NEAR(typed, row.typed[i], 1e-12) << "field " << i;
            EXPECT_EQ(editor->Field(static_cast<int>(i)).text.empty(), row.typed[i] == 0) << i;
        }
        EXPECT_TRUE(messages.Empty());
    }
}

// The program's own changes never convert or rewrite.

TEST(EditorScenario, DisplayDigitsNeverRoundTheStoredPipe) {
    DesignRecord design = NewDesign(0);
    design.SignificantDigits = 2;
    ScriptedMessages messages;
    BodyEditorModel body(design, messages);
    body.PipeTablesOpened();
    ASSERT_TRUE(body.PipePicked(6, 3));  // Sch 40, 2 in
    body.Commit();
    body.UnitChosen(0, kMm);
    body.UnitChosen(0, kIn);
    body.Activate();
    EXPECT_EQ(body.Field(0).text, "2.1");
    EXPECT_DOUBLE_EQ(design.BodyDim[0], 2.067);
    EXPECT_DOUBLE_EQ(design.BodyDim[1], 2.375);
    EXPECT_NEAR(design.BodyDim[2], 0.154, 1e-12);
    EXPECT_NEAR(design.BodyDimEntered[0], 2.067, 1e-12);
}

TEST(EditorScenario, OpeningAMetricDesignConvertsAndRecomputesNothing) {
    DesignRecord design = NewDesign(0);
    design.UnitSystem = 1;
    design.BodyDimEntered = {100, 127, 20, 500, 0};  // a wall the diameters do not give
    design.BodyDim = {100 / 25.4, 127 / 25.4, 20 / 25.4, 500 / 25.4, 0};
    design.BodyDimUnit = {1, -1, 1, 1, -1};
    ScriptedMessages messages;
    BodyEditorModel body(design, messages);
    body.Activate();
    EXPECT_EQ(std::pair(body.UnitSelection(0), body.UnitSelection(1)), std::pair(kMm, kMm));
    // Neither leaving a field unedited nor Cancel recomputes or converts the loaded geometry.
    for (const bool cancel : {false, true}) {
        cancel ? body.Cancel() : body.Commit();
        EXPECT_EQ(design.BodyDimEntered, (std::array<double, 5>{100, 127, 20, 500, 0}));
        EXPECT_DOUBLE_EQ(design.BodyDim[2], 20 / 25.4);
    }
}

TEST(EditorScenario, CancelRestoresAndTheRestoredTubeIsValid) {
    DesignRecord design = NewDesign(0);
    ScriptedMessages messages;
    Drive(*std::make_unique<BodyEditorModel>(design, messages), "0=4;1=5;3=20");  // and closed
    design.BodyGeometryValid = kFalse;  // whatever an earlier route left behind
    BodyEditorModel body(design, messages);
    body.Activate();
    Drive(body, "0=3;u1=1;3=");
    body.Cancel();
    EXPECT_EQ(design.BodyDimEntered, (std::array<double, 5>{4, 5, 0.5, 20, 0}));
    EXPECT_EQ(body.UnitSelection(1), kIn);
    EXPECT_EQ(body.Field(3).text, "20.000");
    EXPECT_EQ(ValidateDesign(design).text.find("Body Geometry"), std::string::npos);
}

// A new endcap-only design with an annular plate, in its editor.
class AnnularEditor : public ::testing::Test {
protected:
    DesignRecord design = NewDesign(2, 0);
    ScriptedMessages messages;
    EndcapEditorModel endcap{design, messages};
};

TEST_F(AnnularEditor, AlignTakesTheSmallestNumber) {
    endcap.LoadOptionChosen(kCustomLoading);
    Drive(endcap, "1=20;3=1;6=2.5;4=10;7=3");
    endcap.Align();
    for (const int field : {4, 6, 7}) EXPECT_DOUBLE_EQ(design.EndcapDimEntered[field], 2.5);
}

TEST_F(AnnularEditor, OneLoadUnitListServesThreeFields) {
    endcap.LoadOptionChosen(kCustomLoading);
    Drive(endcap, "1=20;3=1;4=4;6=2;7=5");
    endcap.UnitChosen(4, kMm);
    EXPECT_EQ(design.EndcapDimEntered, (std::array<double, 8>{0, 20, 0, 1, 101.6, 50, 50.8, 127}));
    EXPECT_EQ(std::pair(design.EndcapDim[6], design.EndcapDimUnit[4]), std::pair(2.0, double{kMm}));
    EXPECT_EQ(endcap.Field(5).text, "50");
}

TEST_F(AnnularEditor, DefaultLoadsFollowTheHoleInItsUnit) {
    Drive(endcap, "u3=4;1=10;3=2.54");
    EXPECT_EQ(endcap.UnitSelection(4), kCm);
    for (const int field : {4, 6, 7}) EXPECT_DOUBLE_EQ(design.EndcapDimEntered[field], 2.54);
    EXPECT_FALSE(endcap.Field(6).enabled);
}

TEST_F(AnnularEditor, AnalysisComesBackWithAnotherDesign) {
    endcap.UniformLoadClicked(false);
    endcap.LineLoadClicked(false);
    EXPECT_FALSE(endcap.AnalysisEnabled());
    SelectBody(design, 0);
    EXPECT_TRUE(AnalysisAllowed(design));
    NewProject(design);
    SelectBody(design, 2);
    SelectEndcap(design, 0);
    EXPECT_TRUE(AnalysisAllowed(design));
}

// Outside diameters and walls of ASME B36.10M (carbon steel) and B36.19M (stainless, "S"), as
// printed in the engineering handbooks; the inside diameter is the O.D. less two walls.
TEST(PipeTable, RowsMatchTheStandards) {
    // Row, column, outside diameter and wall.
    const std::vector<std::tuple<int, int, double, double>> rows = {
        {6, 3, 2.375, 0.154},   // 2 in, Sch 40
        {2, 2, 1.9, 0.109},     // 1 1/2 in, Sch 10S
        {7, 9, 10.75, 0.594},   // 10 in, Sch 80
        {1, 10, 12.75, 0.375},  // 12 in, Standard
        {6, 16, 24, 0.688}};    // 24 in, Sch 40
    for (const auto& [row, column, outside, wall] : rows) {
        EXPECT_DOUBLE_EQ(PipeOutsideDiameter(column), outside);
        EXPECT_NEAR(PipeInsideDiameter(row, column), outside - 2 * wall, 1e-9) << row;
    }
}

TEST(PipeTable, APickFillsTheTubeInInchesAndAnEmptyCellDoesNothing) {
    DesignRecord design = NewDesign(0);
    design.UnitSystem = 1;
    ScriptedMessages messages;
    BodyEditorModel body(design, messages);
    body.PipeTablesOpened();
    EXPECT_FALSE(body.PipePicked(7, 12));  // no Sch 80 of 16 in
    EXPECT_TRUE(body.PipePicked(3, 14));   // Sch 10, 20 in
    EXPECT_EQ(design.BodyDimEntered, (std::array<double, 5>{19.5, 20, 0.25, 0, 0}));
    EXPECT_EQ(body.UnitSelection(2), kIn);
    EXPECT_EQ(PipeCellText(1, 10), "12.000");
    EXPECT_EQ(PipeCellText(2, 20), "");
}

}  // namespace
}  // namespace tidewell
