// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps bad material data out of the file and the design: values of 0 or less, text the
// file cannot hold, unfinished edits closed by a command, and the texts the results quote.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "materials/MaterialCatalogue.h"
#include "materials/MaterialTextRules.h"
#include "materials/MaterialsFile.h"
#include "tests/TestFiles.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using List = CatalogueList;
using Field = MaterialField;

class Safeguards : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteMaterialsFile(path, {}));
        catalogue.FormLoad();
        catalogue.Activate();
    }
    // Starts adding a material with readable values, a plastic picked from the list or another
    // category typed; the caller spoils one.
    void Add(const std::string& name, const std::string& category = "Plastics") {
        catalogue.AddClicked();
        if (category == "Plastics") {
            catalogue.SelectListEntry(List::CategoryList, 4);
        } else {
            catalogue.TypeListText(List::CategoryList, category);
        }
        catalogue.TypeListText(List::MaterialList, name);
        for (auto [field, text] : {std::pair{Field::YsVal, "9"},
                                   {Field::Ys2Val, "2"},
                                   {Field::Youngs_Modulus, "0.4"},
                                   {Field::Density, "0.04"},
                                   {Field::Poisson_Ratio, "0.35"}}) {
            catalogue.SetFieldText(field, text);
        }
    }
    testing::ScratchFolder folder;
    std::string path = folder.File("DesMat.Dat");
    DesignRecord design;
    ScriptedMessages messages;
    MaterialCatalogue catalogue{design, path, messages};
};

struct ValueCase {
    const char* label;
    Field field;
    const char* typed;
    const char* title;
    const char* text;
};

class ValueChecks : public Safeguards, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueChecks, ValueOfZeroOrLessIsRefusedAndNothingSaved) {
    Add("New Plastic");
    catalogue.SetFieldText(GetParam().field, GetParam().typed);
    const std::string before = testing::ReadBytes(path);
    catalogue.DoneClicked();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, GetParam().title);
    EXPECT_EQ(messages.shown[0].text, GetParam().text);
    EXPECT_TRUE(catalogue.AddMode());
    EXPECT_EQ(testing::ReadBytes(path), before);
}

// The negative modulus and a ratio of 0.6 are refused in the materials window's session.
constexpr const char* kPoisson = "Poisson's Ratio must be greater than 0 and less than 0.5";
INSTANTIATE_TEST_SUITE_P(
    Rows, ValueChecks,
    ::testing::Values(
        ValueCase{"yield", Field::YsVal, "-9", "Yield Stress?",
                  "Yield Stress value must be greater than 0"},
        ValueCase{"working_strength_zero", Field::Ys2Val, "0", "Working Strength?",
                  "Working Strength value must be greater than 0"},
        ValueCase{"density", Field::Density, "-1e-3", "Density?",
                  "Density value must be greater than 0"},
        ValueCase{"poisson_one_half", Field::Poisson_Ratio, "0.5", "Poisson's Ratio?", kPoisson},
        ValueCase{"poisson_zero", Field::Poisson_Ratio, "0", "Poisson's Ratio?", kPoisson}),
    testing::RowLabel());

struct TextCase {
    const char* label;
    MaterialText field;
    std::string text;
    std::string refusal;  // a part of the message; empty when the text is accepted
};

class TextRules : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRules, RefusesWhatTheFileCannotHold) {
    const std::optional<Message> refusal = MaterialTextRefusal(GetParam().field, GetParam().text);
    if (GetParam().refusal.empty()) {
        EXPECT_FALSE(refusal) << refusal->text;
    } else {
        ASSERT_TRUE(refusal);
        EXPECT_NE(refusal->text.find(GetParam().refusal), std::string::npos) << refusal->text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextRules,
    ::testing::Values(
        TextCase{"name_line_break", MaterialText::Name, "Alloy\nB", "line break"},
        TextCase{"category_tab", MaterialText::MainCategory, "Met\tals", "line break"},
        TextCase{"sub_line_separator", MaterialText::SubCategory, "a\xE2\x80\xA8", "line break"},
        TextCase{"name_c1_control", MaterialText::Name, "a\xC2\x81", "line break"},
        TextCase{"comment_line_break", MaterialText::Comment, "line 1\nline 2", ""},
        TextCase{"name_omega", MaterialText::Name, "Alloy \xCE\xA9",
                 "the character \"\xCE\xA9\" (U+03A9)"},
        TextCase{"name_euro_and_registered", MaterialText::Name, "\xE2\x82\xAC \xC2\xAE", ""},
        TextCase{"name_50_and_blanks", MaterialText::Name, std::string(50, 'n') + "   ", ""},
        TextCase{"name_51", MaterialText::Name, std::string(51, 'n'), "at most 50"},
        TextCase{"comment_4001", MaterialText::Comment, std::string(4001, 'c'), "at most 4000"}),
    testing::RowLabel());

// The window's session answers Cancel and No; here Yes, refused and then saved.
TEST_F(Safeguards, UnfinishedAddSavedOnClosingWhenAsked) {
    Add("Half Done");
    catalogue.SetFieldText(Field::Youngs_Modulus, "-1");
    messages.Answer(MessageAnswer::Yes);
    EXPECT_FALSE(catalogue.CloseForCommand());
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
    catalogue.SetFieldText(Field::Youngs_Modulus, "0.4");
    messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(catalogue.CloseForCommand());
    EXPECT_EQ(ReadMaterial(path, "Half Done").InUse, kMaterialInUse);
}

TEST_F(Safeguards, OtherCategoryIsLoadedAndFoundAgainByName) {
    Add("Bronze X", "Alloys");
    catalogue.DoneClicked();
    EXPECT_EQ(design.LoadedMaterialName, "Bronze X");
    EXPECT_EQ(catalogue.List(List::CategoryList).text, "All");

    // Opening a project that names it, in a new run.
    DesignRecord other;
    MaterialCatalogue opened(other, path, messages);
    opened.LoadDesignMaterial("bronze x");
    EXPECT_EQ(other.LoadedMaterialName, "Bronze X");
    EXPECT_DOUBLE_EQ(other.YieldStrength, 9000);
    EXPECT_TRUE(messages.Empty());
}

TEST_F(Safeguards, ResultsQuoteTheMaterialAsLoadedWhileItIsEdited) {
    Add("Acrylic");
    catalogue.DoneClicked();
    catalogue.EditClicked();
    catalogue.SetFieldText(Field::YsVal, "12");
    catalogue.SelectListEntry(List::CategoryList, 3);  // "Metals": no secondary panel
    ResultsRequest request;
    QuoteLoadedMaterial(catalogue.LoadedMaterial(), request);
    EXPECT_EQ(request.primaryStrengthValue, "9");
    EXPECT_EQ(request.secondaryStrengthCaption, "Working Strength");
    EXPECT_EQ(request.secondaryStrengthValue, "2");
    EXPECT_EQ(request.secondaryStrengthUnit, "Ksi");
    EXPECT_EQ(catalogue.LoadedMaterial().fields.units.strength, 0);  // "Ksi"
}

}  // namespace
}  // namespace tidewell
