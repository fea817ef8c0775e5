// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted sessions of the materials window's logic, and what keeps bad material data out of the
// file and the design: values of 0 or less, text the file cannot hold, unfinished edits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
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

using testing::ScratchFolder;
using List = CatalogueList;
using Field = MaterialField;

// A stored material in use: texts and values in the file's order, the comment made from the name.
MaterialRecord Stored(const std::string& name, const std::string& category,
                      const std::string& subCategory, double strength, const std::string& unit,
                      double strength2, const std::string& unit2, double modulus,
                      const std::string& modulusUnit, double density,
                      const std::string& densityUnit, double poisson) {
    return {name,     strength,    unit,    strength2,         unit2,
            modulus,  modulusUnit, density, densityUnit,       poisson,
            category, subCategory, "",      name + " comment", kMaterialInUse};
}

std::vector<MaterialRecord> FixtureRecords() {
    return {
        Stored("HY-80", "Metals", "Steel", 80, "Ksi", 0, "", 30, "Mpsi", 0.283, "lb/cu in", 0.3),
        Stored("6061-T6", "Metals", "Aluminum", 35, "Ksi", 0, "", 10, "Mpsi", 0.098, "lb/cu in",
               0.33),
        Stored("Acrylic", "Plastics", "Acrylic", 10.5, "Ksi", 1.5, "Ksi", 0.45, "Mpsi", 0.043,
               "lb/cu in", 0.37),
        Stored("Borosilicate", "Glass", "", 40, "MPa", 1000, "MPa", 64, "GPa", 2.23, "gr/cu cm",
               0.2),
        Stored("Alumina", "Ceramics", "Oxide", 221, "MPa", 2068, "MPa", 303, "GPa", 3.72,
               "gr/cu cm", 0.21),
        Stored("Oak", "Woods", "Hardwood", 6, "Ksi", 0, "", 1.8, "Mpsi", 0.027, "lb/cu in", 0.35),
        Stored("Odd Units", "Metals", "Steel", 50, "furlongs", 0, "", 29, "Mpsi", 0.28, "lb/cu in",
               0.29),
    };
}

constexpr int kMetalsEntry = 3;
constexpr int kPlasticsEntry = 4;

class CatalogueSession : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.File("DesMat.Dat");
        ASSERT_TRUE(WriteMaterialsFile(path, FixtureRecords()));
        catalogue = std::make_unique<MaterialCatalogue>(design, path, messages);
    }

    // Opens the window as the design form's "Choose" button does.
    void Open() {
        catalogue->FormLoad();
        catalogue->Activate();
        messages.Clear();
        catalogue->TakeRequests();
    }

    // Opens the window and browses to the steel most sessions start from.
    void OpenOnHy80() {
        Open();
        Browse(kMetalsEntry, "HY-80");
    }

    void Pick(List list, const std::string& text) {
        const auto& entries = catalogue->List(list).entries;
        const auto found = std::find(entries.begin(), entries.end(), text);
        ASSERT_NE(found, entries.end()) << text;
        catalogue->SelectListEntry(list, static_cast<int>(found - entries.begin()));
    }

    // Browses to a material: category, sub-category "All", then the material.
    void Browse(int category, const std::string& name) {
        catalogue->SelectListEntry(List::CategoryList, category);
        catalogue->SelectListEntry(List::SubCategoryList, 0);
        Pick(List::MaterialList, name);
    }

    const std::string& Text(List list) { return catalogue->List(list).text; }

    ScratchFolder folder;
    std::string path;
    DesignRecord design;
    ScriptedMessages messages;
    std::unique_ptr<MaterialCatalogue> catalogue;
};

// However a load ends (nothing named, a name the file lacks, a material loaded), the next runs.
TEST_F(CatalogueSession, EveryLoadLeavesTheNextFree) {
    for (const std::string name : {"", "Unobtainium", "Acrylic", "", "HY-80"}) {
        catalogue->LoadMaterial(name, kLoadIntoDesign);
        EXPECT_FALSE(catalogue->LoadGuard()) << name;
        EXPECT_EQ(catalogue->LoadedMaterial().name, design.MaterialName) << name;
    }
    EXPECT_EQ(design.MaterialClass, "Metals");
    EXPECT_EQ(design.YieldStrength, 80000);
}

// A loaded material shows its stored units: Borosilicate keeps MPa, GPa and gr/cu cm.
TEST_F(CatalogueSession, LoadedMaterialShowsItsUnits) {
    catalogue->LoadMaterial("Borosilicate", kLoadIntoDesign);
    using U = MaterialUnitList;
    EXPECT_EQ(std::vector<int>({catalogue->UnitSelection(U::YsUnitsList),
                                catalogue->UnitSelection(U::EUnitsList),
                                catalogue->UnitSelection(U::DensityUnitsList)}),
              std::vector<int>({5, 6, 3}));
}

// The names of a category and sub-category, either of them "All", in file order.
TEST_F(CatalogueSession, ListsTheNamesOfACategory) {
    EXPECT_EQ(ListMaterialNames(path, kAllNames, kAllNames).size(), 7U);
    EXPECT_EQ(ListMaterialNames(path, kAllNames, "Steel"), (NameList{"HY-80", "Odd Units"}));
    EXPECT_EQ(ListMaterialNames(path, "Metals", kAllNames),
              (NameList{"HY-80", "6061-T6", "Odd Units"}));
    EXPECT_EQ(ListMaterialNames(path, "metals", "ALUMINUM"), NameList{"6061-T6"});
    MaterialsFileStatus status{"an earlier error"};
    EXPECT_EQ(ListMaterialNames(path, "Woods", kAllNames, &status), NameList{"Oak"});
    EXPECT_TRUE(status.Ok());
}

// Done with sub-category "All" asks whether that is correct: No keeps editing, Yes saves.
TEST_F(CatalogueSession, EditWithoutSubCategoryAsksWhetherThatIsCorrect) {
    OpenOnHy80();
    catalogue->EditClicked();
    catalogue->SelectListEntry(List::SubCategoryList, 0);  // "All"
    catalogue->SetFieldText(Field::YsVal, "90");
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        const bool saved = answer == MessageAnswer::Yes;
        messages.Clear();
        messages.Answer(answer);
        catalogue->DoneClicked();
        ASSERT_EQ(messages.shown.size(), 1u);
        const Message& question = messages.shown[0];
        EXPECT_EQ(question.title, "Sub-Category?");
        EXPECT_EQ(question.text,
                  "This material has no Sub-Category.  Is this correct?\r(\"All\" indicates that "
                  "the material has no sub-category).");
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(catalogue->EditMode(), !saved);
        const MaterialRecord stored = ReadMaterial(path, "HY-80");
        EXPECT_EQ(stored.StrengthValue, saved ? 90 : 80);
        EXPECT_EQ(stored.SubCategory, saved ? "" : "Steel");
    }
}

// Edit shows the material's own sub-category: Done without a change asks nothing and stores the
// record as it was.
TEST_F(CatalogueSession, EditAndDoneUnchangedKeepTheRecord) {
    OpenOnHy80();
    catalogue->EditClicked();
    EXPECT_EQ(Text(List::SubCategoryList), "Steel");
    using B = CatalogueButton;  // nothing else to start while editing
    EXPECT_EQ(std::vector<bool>({catalogue->ButtonEnabled(B::btnAdd),
                                 catalogue->ButtonEnabled(B::btnDelete),
                                 catalogue->ButtonEnabled(B::SearchButton)}),
              std::vector<bool>(3, false));
    catalogue->DoneClicked();
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(ReadMaterial(path, "HY-80").SubCategory, "Steel");
}

// A unit the list lacks reads in the unit the window shows: after a cleared material the list's
// first, never the unit of a material loaded before.
TEST_F(CatalogueSession, UnknownUnitAfterAClearIsTheListsFirst) {
    catalogue->LoadMaterial("Borosilicate", kLoadIntoDesign);  // strengths in MPa
    catalogue->ClearMaterial();
    catalogue->LoadMaterial("Odd Units", kLoadIntoDesign);
    EXPECT_EQ(catalogue->UnitSelection(MaterialUnitList::YsUnitsList), 0);
    EXPECT_EQ(design.YieldStrength, 50000);  // 50 Ksi
}

// A disk that fills while an edit is saved or a material deleted: each time the user is told why.
TEST_F(CatalogueSession, FullDiskOnSaveOrDeleteSaysWhy) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    OpenOnHy80();
    const auto fill = [this] {  // a failed write removes its temporary file
        std::filesystem::remove(path + ".tmp");
        std::filesystem::create_symlink("/dev/full", path + ".tmp");
    };
    fill();
    catalogue->EditClicked();
    catalogue->SetFieldText(Field::YsVal, "90");
    catalogue->DoneClicked();
    catalogue->CancelClicked();
    Browse(kMetalsEntry, "HY-80");
    fill();
    messages.Answer(MessageAnswer::Ok);
    catalogue->DeleteClicked();
    std::vector<std::string> said;  // title and text of each error
    for (const Message& shown : messages.shown) {
        if (shown.icon == MessageIcon::Critical) said.push_back(shown.title + ": " + shown.text);
    }
    ASSERT_EQ(said.size(), 2U);
    EXPECT_EQ(said[0].rfind("Unable to save changes: The materials file \"" + path, 0), 0U);
    EXPECT_EQ(said[1].rfind("Tidewell: The materials file \"" + path, 0), 0U);
    EXPECT_EQ(ReadMaterial(path, "HY-80").StrengthValue, 80);
}

TEST_F(CatalogueSession, DeleteConfirmedRemovesTheRecord) {
    OpenOnHy80();
    messages.Answer(MessageAnswer::Ok);
    catalogue->DeleteClicked();
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    "Delete the material \"HY-80\" ?",
                                    "The material \"HY-80\" has been deleted from the database."}));
    EXPECT_EQ(FindMaterial(path, "HY-80"), -1);
    EXPECT_EQ(Text(List::CategoryList) + "|" + design.MaterialName, "All|");
}

TEST_F(CatalogueSession, CancelAfterBrowsingRestoresTheMaterialOnEntry) {
    design.MaterialName = "HY-80";
    Open();
    ASSERT_EQ(catalogue->MaterialOnEntry(), "HY-80");
    Browse(kPlasticsEntry, "Acrylic");
    ASSERT_EQ(design.MaterialName, "Acrylic");
    catalogue->CancelClicked();
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(design.MaterialName + "|" + Text(List::MaterialList), "HY-80|HY-80");
    EXPECT_EQ(std::vector<double>({design.YieldStrength, design.SecondaryStrength}),
              std::vector<double>({80000, 0}));
    EXPECT_TRUE(catalogue->TakeRequests().stepBack);
}

// Add empties the fields and offers every sub-category; Cancel gives the browsing window back.
TEST_F(CatalogueSession, AddModeStartsWithEmptyFieldsAndNoMaterial) {
    OpenOnHy80();
    catalogue->AddClicked();
    using B = CatalogueButton;
    const auto modes = [this] {
        return std::vector<bool>(
            {catalogue->AddMode(), catalogue->EditMode(), catalogue->ValuePanelsEnabled(),
             catalogue->ButtonEnabled(B::BtnEdit), catalogue->ButtonEnabled(B::btnDelete),
             catalogue->ButtonEnabled(B::SearchButton), catalogue->ButtonEnabled(B::btnAdd)});
    };
    EXPECT_EQ(modes(), std::vector<bool>({true, false, true, false, false, false, true}));
    EXPECT_EQ(catalogue->List(List::CategoryList).selected, -1);
    // Every sub-category to pick from.
    EXPECT_EQ(catalogue->List(List::SubCategoryList).entries.size(), 7u);
    EXPECT_TRUE(catalogue->List(List::MaterialList).entries.empty());
    EXPECT_EQ(catalogue->FieldText(Field::YsVal) + design.MaterialName, "");
    EXPECT_EQ(catalogue->TakeRequests().focus, List::CategoryList);
    catalogue->AddClicked();
    EXPECT_EQ(catalogue->TakeRequests().beeps, 1);
    // "All" is no category for a material: said, and the category list gets the keyboard back.
    catalogue->SelectListEntry(List::CategoryList, 0);
    catalogue->TakeRequests();
    catalogue->LeaveList(List::CategoryList);
    EXPECT_EQ(messages.Texts().back().rfind("\"All\" is not a valid main category", 0), 0u);
    EXPECT_EQ(catalogue->TakeRequests().focus, List::CategoryList);
    catalogue->CancelClicked();
    EXPECT_EQ(modes(), std::vector<bool>({false, false, false, true, true, true, true}));
}

// A typed name that differs from an entry only in case chooses it, the list's first one too.
TEST_F(CatalogueSession, TypedNameInOtherCaseIsTheEntry) {
    OpenOnHy80();
    const std::string first = catalogue->List(List::MaterialList).entries.at(0);
    std::string typed = first;
    for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    catalogue->TypeListText(List::MaterialList, typed);
    EXPECT_EQ(catalogue->List(List::MaterialList).selected, -1);  // typing leaves no selection
    catalogue->LeaveList(List::MaterialList);
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(catalogue->List(List::MaterialList).selected, 0);
    EXPECT_EQ(design.MaterialName, first);
    EXPECT_EQ(catalogue->FieldText(Field::MatComment), first + " comment");
}

TEST_F(CatalogueSession, TypedMaterialNotInTheListIsRefused) {
    OpenOnHy80();
    catalogue->TypeListText(List::MaterialList, "hy-80x");
    catalogue->LeaveList(List::MaterialList);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"You must choose a valid selection from the list"});
    EXPECT_EQ(design.MaterialName, "");  // the emptied selection forgets the material
}

// The window open on an empty materials file.
struct EmptyCatalogue {
    EmptyCatalogue() {
        EXPECT_TRUE(WriteMaterialsFile(path, {}));
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

class Safeguards : public ::testing::Test, public EmptyCatalogue {};

// A value of 0 or less, or a ratio of 0.5 or more, is refused and nothing saved; the negative
// modulus and a ratio of 0.6 are refused in the materials window's session.
TEST(MaterialValues, ZeroOrLessIsRefusedAndNothingSaved) {
    constexpr const char* kPoisson = "Poisson's Ratio must be greater than 0 and less than 0.5";
    const std::vector<std::tuple<Field, const char*, const char*, const char*>> rows = {
        {Field::YsVal, "-9", "Yield Stress?", "Yield Stress value must be greater than 0"},
        {Field::Ys2Val, "0", "Working Strength?", "Working Strength value must be greater than 0"},
        {Field::Density, "-1e-3", "Density?", "Density value must be greater than 0"},
        {Field::Poisson_Ratio, "0.5", "Poisson's Ratio?", kPoisson},
        {Field::Poisson_Ratio, "0", "Poisson's Ratio?", kPoisson}};
    for (const auto& [field, typed, title, text] : rows) {
        SCOPED_TRACE(typed);
        EmptyCatalogue s;
        s.Add("New Plastic");
        s.catalogue.SetFieldText(field, typed);
        const std::string before = testing::ReadBytes(s.path);
        s.catalogue.DoneClicked();
        ASSERT_EQ(s.messages.shown.size(), 1u);
        EXPECT_EQ(s.messages.shown[0].title, title);
        EXPECT_EQ(s.messages.shown[0].text, text);
        EXPECT_TRUE(s.catalogue.AddMode());
        EXPECT_EQ(testing::ReadBytes(s.path), before);
    }
}

// Text the file cannot hold is refused with a message naming why (a part of it given here).
TEST(TextRules, RefusesWhatTheFileCannotHold) {
    const std::vector<std::tuple<MaterialText, std::string, std::string>> refused = {
        {MaterialText::Name, "Alloy\nB", "line break"},
        {MaterialText::MainCategory, "Met\tals", "line break"},
        {MaterialText::SubCategory, "a\xE2\x80\xA8", "line break"},  // line separator
        {MaterialText::Name, "a\xC2\x81", "line break"},             // C1 control
        {MaterialText::Name, "a\x7F", "line break"},                 // delete
        {MaterialText::Name, "a\xC2\x9F", "line break"},             // the last C1 control
        {MaterialText::Name, "a\xE2\x80\xA9", "line break"},         // paragraph separator
        {MaterialText::Name, "Alloy \xCE\xA9", "the character \"\xCE\xA9\" (U+03A9)"},
        {MaterialText::Name, std::string(51, 'n'), "at most 50"},
        {MaterialText::Comment, std::string(4001, 'c'), "at most 4000"}};
    for (const auto& [field, text, part] : refused) {
        const std::optional<Message> refusal = MaterialTextRefusal(field, text);
        ASSERT_TRUE(refusal) << text;
        EXPECT_NE(refusal->text.find(part), std::string::npos) << refusal->text;
    }
    // A comment may break lines; the euro and registered signs and trailing blanks are held.
    const std::vector<std::pair<MaterialText, std::string>> accepted = {
        {MaterialText::Comment, "line 1\nline 2"},
        {MaterialText::Name, "\xE2\x82\xAC \xC2\xAE"},
        {MaterialText::Name,
         "no\xC2\xA0"
         "break"},  // the first character after the C1 controls
        {MaterialText::Name, std::string(50, 'n') + "   "}};
    for (const auto& [field, text] : accepted) {
        const std::optional<Message> refusal = MaterialTextRefusal(field, text);
        EXPECT_FALSE(refusal) << refusal->text;
    }
}

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
    EXPECT_EQ(
        std::vector<std::string>({request.primaryStrengthValue, request.secondaryStrengthCaption,
                                  request.secondaryStrengthValue, request.secondaryStrengthUnit}),
        std::vector<std::string>({"9", "Working Strength", "2", "Ksi"}));
    EXPECT_EQ(catalogue.LoadedMaterial().fields.units.strength, 0);  // "Ksi"
}

}  // namespace
}  // namespace tidewell
