// Scripted sessions of the materials window's logic: picking, adding with every validation fault,
// editing, deleting, cancelling.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "materials/MaterialCatalogue.h"
#include "materials/MaterialsFile.h"
#include "tests/materials/MaterialsTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using List = CatalogueList;
using Field = MaterialField;

MaterialRecord Stored(const std::string& name, const std::string& category,
                      const std::string& subCategory, double strength, const std::string& unit,
                      double strength2, const std::string& unit2, double modulus,
                      const std::string& modulusUnit, double density,
                      const std::string& densityUnit, double poisson) {
    MaterialRecord r;
    r.Name = name;
    r.MainCategory = category;
    r.SubCategory = subCategory;
    r.StrengthValue = strength;
    r.StrengthUnit = unit;
    r.Strength2Value = strength2;
    r.Strength2Unit = unit2;
    r.ModulusValue = modulus;
    r.ModulusUnit = modulusUnit;
    r.DensityValue = density;
    r.DensityUnit = densityUnit;
    r.PoissonValue = poisson;
    r.Comment = name + " comment";
    r.InUse = kMaterialInUse;
    return r;
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

    const std::vector<std::string>& Entries(List list) { return catalogue->List(list).entries; }
    const std::string& Text(List list) { return catalogue->List(list).text; }
    const std::string& FieldText(Field field) { return catalogue->FieldText(field); }

    // Fills every value field of a metal with readable numbers.
    void FillMetalFields() {
        catalogue->SetFieldText(Field::YsVal, "50");
        catalogue->SetFieldText(Field::Youngs_Modulus, "29");
        catalogue->SetFieldText(Field::Density, "0.28");
        catalogue->SetFieldText(Field::Poisson_Ratio, "0.3");
    }

    std::string LastText() { return messages.shown.empty() ? "" : messages.shown.back().text; }
    std::string LastTitle() { return messages.shown.empty() ? "" : messages.shown.back().title; }

    ScratchFolder folder;
    std::string path;
    DesignRecord design;
    ScriptedMessages messages;
    std::unique_ptr<MaterialCatalogue> catalogue;
};

// --- opening and browsing ------------------------------------------------------------------

TEST_F(CatalogueSession, PickingAMetalFillsFieldsAndDesign) {
    OpenOnHy80();
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(catalogue->MaterialLabel(), "HY-80");
    EXPECT_EQ(FieldText(Field::YsVal), "80");
    EXPECT_EQ(FieldText(Field::Ys2Val), "0");
    EXPECT_EQ(FieldText(Field::Youngs_Modulus), "30");
    EXPECT_EQ(FieldText(Field::Density), "0.283");
    EXPECT_EQ(FieldText(Field::Poisson_Ratio), "0.3");
    EXPECT_EQ(design.MaterialName, "HY-80");
    EXPECT_EQ(design.LoadedMaterialName, "HY-80");
    EXPECT_EQ(design.MaterialClass, "Metals");
    EXPECT_DOUBLE_EQ(design.YieldStrength, 80000);
    EXPECT_DOUBLE_EQ(design.YoungsModulus, 30e6);
    EXPECT_DOUBLE_EQ(design.Density, 0.283);
    EXPECT_DOUBLE_EQ(design.PoissonsRatio, 0.3);
    EXPECT_DOUBLE_EQ(design.SecondaryStrength, 0);
    EXPECT_FALSE(catalogue->SecondaryPanelShown());
}

// --- list checks ---------------------------------------------------------------------------

// --- adding --------------------------------------------------------------------------------

TEST_F(CatalogueSession, AddReportsEachFaultInOrderThenSaves) {
    Open();
    catalogue->AddClicked();
    const std::string before = ReadBytes(path);
    struct Step {
        std::function<void()> fix;
        std::string title;
        std::string text;
    };
    const std::vector<Step> steps = {
        {[] {}, "Main Category?",
         "Main Category is invalid.  A Main Category is required for the database.  Use of the "
         "existing options is highly recommended.  (\"All\" is not a valid option)."},
        {[this] { catalogue->TypeListText(List::CategoryList, "aLL"); }, "Main Category?",
         "Main Category is invalid.  A Main Category is required for the database.  Use of the "
         "existing options is highly recommended.  (\"All\" is not a valid option)."},
        {[this] { catalogue->SelectListEntry(List::CategoryList, kMetalsEntry); }, "Material Name?",
         "Material description is invalid"},
        {[this] { catalogue->TypeListText(List::MaterialList, "New Alloy"); }, "Yield Stress?",
         "Yield Stress value is invalid"},
        {[this] { catalogue->SetFieldText(Field::YsVal, "12Ksi"); }, "Yield Stress?",
         "Yield Stress value is invalid"},
        {[this] { catalogue->SetFieldText(Field::YsVal, "50"); }, "Youngs Modulus?",
         "Youngs Modulus value is invalid"},
        {[this] { catalogue->SetFieldText(Field::Youngs_Modulus, "29"); }, "Density?",
         "Density value is invalid"},
        {[this] { catalogue->SetFieldText(Field::Density, "0.28"); }, "Poisson's Ratio?",
         "Poisson's Ratio is invalid"},
    };
    for (const Step& step : steps) {
        step.fix();
        messages.Clear();
        catalogue->DoneClicked();
        ASSERT_EQ(messages.shown.size(), 1u) << step.text;
        EXPECT_EQ(messages.shown[0].title, step.title);
        EXPECT_EQ(messages.shown[0].text, step.text);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(catalogue->AddMode());
        EXPECT_EQ(ReadBytes(path), before);
    }
    EXPECT_EQ(FieldText(Field::YsVal), "50");
    catalogue->SetFieldText(Field::Poisson_Ratio, "0.3");
    messages.Clear();
    catalogue->DoneClicked();
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(catalogue->AddMode());
    EXPECT_FALSE(catalogue->ValuePanelsEnabled());
    EXPECT_TRUE(catalogue->ButtonEnabled(CatalogueButton::BtnEdit));
    EXPECT_EQ(catalogue->MaterialLabel(), "New Alloy");
    EXPECT_EQ(design.MaterialName, "New Alloy");
    EXPECT_DOUBLE_EQ(design.YieldStrength, 50000);
    EXPECT_EQ(Text(List::CategoryList), "Metals");
    EXPECT_EQ(Text(List::MaterialList), "New Alloy");

    // A metal stores no secondary strength; "All" as sub-category is stored as none.
    const MaterialRecord saved = ReadMaterial(path, "New Alloy");
    EXPECT_EQ(saved.InUse, kMaterialInUse);
    EXPECT_EQ(saved.MainCategory, "Metals");
    EXPECT_EQ(saved.SubCategory, "");
    EXPECT_EQ(saved.StrengthValue, 50);
    EXPECT_EQ(saved.StrengthUnit, "Ksi");
    EXPECT_EQ(saved.Strength2Value, 0);
    EXPECT_EQ(saved.Strength2Unit, "");
    EXPECT_EQ(saved.ModulusUnit, "Mpsi");
    EXPECT_EQ(saved.DensityUnit, "lb/cu in");
    EXPECT_EQ(saved.PoissonValue, 0.3);
}

TEST_F(CatalogueSession, AddedPlasticNeedsItsWorkingStrength) {
    Open();
    catalogue->AddClicked();
    catalogue->SelectListEntry(List::CategoryList, kPlasticsEntry);
    catalogue->TypeListText(List::SubCategoryList, "Polycarbonate");
    catalogue->TypeListText(List::MaterialList, "Lexan-like");
    FillMetalFields();
    catalogue->SetFieldText(Field::Ys2Val, "two");
    catalogue->DoneClicked();
    EXPECT_EQ(LastTitle(), "Working Strength?");
    EXPECT_EQ(LastText(), "Working Strength value is invalid");
    EXPECT_EQ(FieldText(Field::Ys2Val), "");
    catalogue->SetFieldText(Field::Ys2Val, "2");
    catalogue->SelectUnit(MaterialUnitList::Ys2UnitsList, 5);  // MPa
    messages.Clear();
    catalogue->DoneClicked();
    EXPECT_TRUE(messages.Empty());
    const MaterialRecord saved = ReadMaterial(path, "Lexan-like");
    EXPECT_EQ(saved.SubCategory, "Polycarbonate");
    EXPECT_EQ(saved.Strength2Value, 2);
    EXPECT_EQ(saved.Strength2Unit, "MPa");
    EXPECT_EQ(Text(List::SubCategoryList), "Polycarbonate");
    EXPECT_NEAR(design.SecondaryStrength, 2 * 145.0377, 0.001);
}

// --- editing -------------------------------------------------------------------------------

TEST_F(CatalogueSession, EditChangesTheRecordAndReloadsIt) {
    OpenOnHy80();
    catalogue->EditClicked();
    EXPECT_TRUE(catalogue->EditMode());
    EXPECT_EQ(catalogue->EditStartName(), "HY-80");
    EXPECT_EQ(Entries(List::MaterialList), std::vector<std::string>{"HY-80"});
    EXPECT_EQ(Text(List::CategoryList), "Metals");
    EXPECT_EQ(Text(List::SubCategoryList), "Steel");
    EXPECT_EQ(FieldText(Field::YsVal), "80");
    catalogue->SetFieldText(Field::YsVal, "85");
    catalogue->DoneClicked();
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(catalogue->EditMode());
    EXPECT_EQ(ReadMaterial(path, "HY-80").StrengthValue, 85);
    EXPECT_EQ(FindMaterial(path, "HY-80"), 1);
    EXPECT_DOUBLE_EQ(design.YieldStrength, 85000);
    EXPECT_EQ(Entries(List::MaterialList),
              (std::vector<std::string>{"HY-80", "Odd Units"}));  // Metals / Steel again
}

struct NoSubCategoryCase {
    const char* label;
    MessageAnswer answer;
    bool saved;
};

class CatalogueEditWithoutSubCategory : public CatalogueSession,
                                        public ::testing::WithParamInterface<NoSubCategoryCase> {};

TEST_P(CatalogueEditWithoutSubCategory, AsksWhetherThatIsCorrect) {
    OpenOnHy80();
    catalogue->EditClicked();
    catalogue->SelectListEntry(List::SubCategoryList, 0);  // "All"
    catalogue->SetFieldText(Field::YsVal, "90");
    messages.Answer(GetParam().answer);
    catalogue->DoneClicked();
    ASSERT_FALSE(messages.shown.empty());
    const Message& question = messages.shown[0];
    EXPECT_EQ(question.title, "Sub-Category?");
    EXPECT_EQ(question.text,
              "This material has no Sub-Category.  Is this correct?\r(\"All\" indicates that "
              "the material has no sub-category).");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(catalogue->EditMode(), !GetParam().saved);
    const MaterialRecord stored = ReadMaterial(path, "HY-80");
    EXPECT_EQ(stored.StrengthValue, GetParam().saved ? 90 : 80);
    EXPECT_EQ(stored.SubCategory, GetParam().saved ? "" : "Steel");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CatalogueEditWithoutSubCategory,
    ::testing::Values(NoSubCategoryCase{"no_keeps_editing", MessageAnswer::No, false},
                      NoSubCategoryCase{"yes_saves_without_sub", MessageAnswer::Yes, true}),
    testing::RowLabel());

// --- deleting ------------------------------------------------------------------------------

TEST_F(CatalogueSession, DeleteConfirmedRemovesTheRecord) {
    OpenOnHy80();
    messages.Answer(MessageAnswer::Ok);
    catalogue->DeleteClicked();
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    "Delete the material \"HY-80\" ?",
                                    "The material \"HY-80\" has been deleted from the database."}));
    EXPECT_EQ(FindMaterial(path, "HY-80"), -1);
    EXPECT_EQ(Text(List::CategoryList), "All");
    EXPECT_EQ(design.MaterialName, "");
}

// --- cancel and done -----------------------------------------------------------------------

TEST_F(CatalogueSession, CancelAfterBrowsingRestoresTheMaterialOnEntry) {
    design.MaterialName = "HY-80";
    Open();
    ASSERT_EQ(catalogue->MaterialOnEntry(), "HY-80");
    Browse(kPlasticsEntry, "Acrylic");
    ASSERT_EQ(design.MaterialName, "Acrylic");
    catalogue->CancelClicked();
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(design.MaterialName, "HY-80");
    EXPECT_DOUBLE_EQ(design.YieldStrength, 80000);
    EXPECT_DOUBLE_EQ(design.SecondaryStrength, 0);
    EXPECT_EQ(Text(List::MaterialList), "HY-80");
    EXPECT_TRUE(catalogue->TakeRequests().stepBack);
}

TEST_F(CatalogueSession, AddModeStartsWithEmptyFieldsAndNoMaterial) {
    OpenOnHy80();
    catalogue->AddClicked();
    EXPECT_TRUE(catalogue->AddMode());
    EXPECT_FALSE(catalogue->EditMode());
    EXPECT_TRUE(catalogue->ValuePanelsEnabled());
    EXPECT_FALSE(catalogue->ButtonEnabled(CatalogueButton::BtnEdit));
    EXPECT_FALSE(catalogue->ButtonEnabled(CatalogueButton::btnDelete));
    EXPECT_FALSE(catalogue->ButtonEnabled(CatalogueButton::SearchButton));
    EXPECT_TRUE(catalogue->ButtonEnabled(CatalogueButton::btnAdd));
    EXPECT_EQ(catalogue->List(List::CategoryList).selected, -1);
    EXPECT_EQ(Entries(List::SubCategoryList).size(), 7u);  // every sub-category to pick from
    EXPECT_TRUE(Entries(List::MaterialList).empty());
    EXPECT_EQ(FieldText(Field::YsVal), "");
    EXPECT_EQ(design.MaterialName, "");
    EXPECT_EQ(catalogue->TakeRequests().focus, List::CategoryList);
    catalogue->AddClicked();
    EXPECT_EQ(catalogue->TakeRequests().beeps, 1);
}

TEST_F(CatalogueSession, TypedMaterialNotInTheListIsRefused) {
    OpenOnHy80();
    catalogue->TypeListText(List::MaterialList, "hy-80x");
    catalogue->LeaveList(List::MaterialList);
    EXPECT_EQ(LastText(), "You must choose a valid selection from the list");
    EXPECT_EQ(design.MaterialName, "");  // the emptied selection forgets the material
}

}  // namespace
}  // namespace tidewell
