// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialCatalogue.h"

#include <utility>

#include "analysis/DesignOperations.h"
#include "analysis/DesignValidation.h"
#include "materials/MaterialLoading.h"
#include "materials/MaterialTextRules.h"
#include "materials/MaterialsFile.h"
#include "materials/Windows1252.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

// The main categories, in the order the list always shows them; not read from the file.
const std::vector<std::string>& MainCategoryEntries() {
    static const std::vector<std::string> entries{"All", "Ceramics", "Glass", "Metals", "Plastics"};
    return entries;
}

constexpr const char* kAll = "All";
constexpr const char* kSaveFailedTitle = "Unable to save changes";

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string TrimTrailingBlanks(const std::string& text) {
    std::size_t length = text.size();
    while (length > 0 && text[length - 1] == ' ') --length;
    return text.substr(0, length);
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// "All" in any letter case, blanks around it ignored.
bool IsAllText(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return false;
    return UpperCaseText(TrimTrailingBlanks(text.substr(begin))) == "ALL";
}

// Names compare as the materials file compares them: trailing blanks removed, upper-cased.
bool SameMaterialName(const std::string& a, const std::string& b) {
    return UpperCaseText(TrimTrailingBlanks(a)) == UpperCaseText(TrimTrailingBlanks(b));
}

int FindMaterialEntry(const std::vector<std::string>& entries, const std::string& name) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (SameMaterialName(entries[i], name)) return static_cast<int>(i);
    }
    return -1;
}

// A list holding the entries, nothing selected, no text.
CatalogueCombo ComboWith(std::vector<std::string> entries) {
    CatalogueCombo combo;
    combo.entries = std::move(entries);
    return combo;
}

std::size_t FieldIndex(MaterialField field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

MaterialCatalogue::MaterialCatalogue(DesignRecord& design, std::string materialsFilePath,
                                     UserMessages& messages)
    : design_(design), path_(std::move(materialsFilePath)), messages_(messages) {}

// --- window life ---------------------------------------------------------------------------

void MaterialCatalogue::FormLoad() {
    // Selecting "All" forgets the design's material; the lists are then positioned on it.
    const std::string designMaterial = design_.MaterialName;
    ResetLists();
    if (!designMaterial.empty()) LoadMaterial(designMaterial, kPositionLists);
}

void MaterialCatalogue::ResetLists() {
    category_ = ComboWith({kAll});
    subCategory_ = ComboWith({kAll});
    units_ = MaterialUnitSelection{};
    RefreshCategoryList();
    SelectListEntry(CatalogueList::CategoryList, 0);
}

void MaterialCatalogue::LoadDesignMaterial(std::string name) {
    Unload();
    if (category_.entries.empty()) ResetLists();
    if (name.empty()) {
        ClearMaterial();
        return;
    }
    LoadMaterial(std::move(name), kPositionLists);
}

bool MaterialCatalogue::CloseForCommand() {
    if (addMode_ || editMode_) {
        const Message question{"Save the material changes?", kProgramTitle, MessageIcon::Question,
                               MessageButtons::YesNoCancel};
        const MessageAnswer answer = messages_.Show(question);
        if (answer == MessageAnswer::Cancel) return false;
        if (answer == MessageAnswer::Yes) {
            DoneClicked();
            // A refused or failed save keeps the window open, and the command stops.
            if (addMode_ || editMode_) return false;
        }
    }
    Unload();
    return true;
}

MaterialAsLoaded MaterialCatalogue::LoadedMaterial() const {
    // The design may have dropped the material since (a new project): then there is none.
    if (loaded_.name.empty() || loaded_.name != design_.LoadedMaterialName) return {};
    return loaded_;
}

void MaterialCatalogue::Activate() {
    materialOnEntry_ = design_.MaterialName;
}

void MaterialCatalogue::Unload() {
    if (addMode_ || editMode_) {
        LeaveEditMode();
        addMode_ = false;
        editMode_ = false;
    }
}

// --- list handling -------------------------------------------------------------------------

void MaterialCatalogue::SelectListEntry(CatalogueList list, int position) {
    CatalogueCombo& combo = Combo(list);
    if (position < -1 || position >= static_cast<int>(combo.entries.size())) return;
    combo.selected = position;
    combo.text = position >= 0 ? combo.entries[static_cast<std::size_t>(position)] : "";
    switch (list) {
        case CatalogueList::CategoryList:
            CategorySelected();
            break;
        case CatalogueList::SubCategoryList:
            SubCategorySelected();
            break;
        case CatalogueList::MaterialList:
            MaterialSelected();
            break;
    }
}

void MaterialCatalogue::TypeListText(CatalogueList list, const std::string& text) {
    CatalogueCombo& combo = Combo(list);
    combo.text = text;
    combo.selected = -1;
}

void MaterialCatalogue::LeaveList(CatalogueList list) {
    if (!addMode_ && !editMode_) {
        if (list == CatalogueList::CategoryList || !Combo(list).text.empty()) {
            ValidateListEntry(list);
        }
        return;
    }
    if (list != CatalogueList::CategoryList) return;
    if (IsAllText(category_.text) || category_.selected == 0) {
        messages_.Show(Quoted(kAll) +
                           " is not a valid main category for a material.  Use of the existing "
                           "categories is strongly recommended.",
                       kProgramTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        Focus(CatalogueList::CategoryList);
    }
}

void MaterialCatalogue::CategorySelected() {
    if (category_.selected >= 0) FillSubCategoryList();
    ShowStrengthCaptions(category_.text);
    SelectListEntry(CatalogueList::SubCategoryList, -1);
    if (!editMode_) {
        // Browsing to another category leaves the design without a material until one is picked.
        material_ = CatalogueCombo{};
        ClearMaterial();
    }
    // Browsing lists every material of the category at once under the sub-category "All"; none
    // is picked for the design until the user picks one.
    if (!addMode_ && !editMode_ && category_.selected >= 0 && !subCategory_.entries.empty()) {
        subCategory_.selected = 0;
        subCategory_.text = subCategory_.entries.front();
        FillMaterialList();
    }
}

void MaterialCatalogue::SubCategorySelected() {
    if (addMode_ || editMode_ || subCategory_.selected < 0) return;
    FillMaterialList();
    if (!material_.entries.empty() && !loadGuard_) {
        SelectListEntry(CatalogueList::MaterialList, 0);
    }
}

void MaterialCatalogue::MaterialSelected() {
    if (!editMode_) LoadMaterial(material_.text, kLoadIntoDesign);
}

void MaterialCatalogue::RefreshCategoryList() {
    category_ = ComboWith(MainCategoryEntries());
}

void MaterialCatalogue::FillSubCategoryList() {
    MaterialsFileStatus status;
    const std::string filter = IsAllText(category_.text) ? kAllSubCategories : category_.text;
    const NameList found = ListSubCategories(path_, filter, &status);
    subCategory_ = ComboWith({kAll});
    subCategory_.entries.insert(subCategory_.entries.end(), found.begin(), found.end());
    if (!status.Ok()) ShowFileError(status.error, kProgramTitle);
}

void MaterialCatalogue::FillMaterialList() {
    MaterialsFileStatus status;
    material_ = ComboWith(ListMaterialNames(path_, category_.text, subCategory_.text, &status));
    if (!status.Ok()) ShowFileError(status.error, kProgramTitle);
}

void MaterialCatalogue::ShowStrengthCaptions(const std::string& mainCategory) {
    const StrengthCaptions captions = StrengthCaptionsFor(mainCategory);
    if (captions.secondaryShown != captions_.secondaryShown) {
        requests_.secondaryPanel = captions.secondaryShown;
    }
    captions_ = captions;
}

void MaterialCatalogue::ValidateListEntry(CatalogueList list) {
    if (editMode_) return;
    CatalogueCombo& combo = Combo(list);
    const auto selectedText = [&combo]() -> std::optional<std::string> {
        if (combo.selected < 0) return std::nullopt;
        return combo.entries[static_cast<std::size_t>(combo.selected)];
    };
    if (selectedText() != combo.text) {
        const int match = FindEntryIgnoringCase(combo.entries, combo.text);
        if (match >= 0) SelectListEntry(list, match);
    }
    if (!combo.entries.empty() && selectedText() != combo.text) {
        SelectListEntry(list, -1);
        Beep();
        messages_.Show("You must choose a valid selection from the list", kProgramTitle,
                       MessageIcon::Exclamation, MessageButtons::Ok);
        Focus(list);
    }
}

// --- fields --------------------------------------------------------------------------------

void MaterialCatalogue::SetFieldText(MaterialField field, const std::string& text) {
    Field(field) = text;
}

void MaterialCatalogue::SelectUnit(MaterialUnitList list, int position) {
    if (position < 0 || position >= static_cast<int>(UnitEntries(list).size())) return;
    switch (list) {
        case MaterialUnitList::YsUnitsList:
            units_.strength = position;
            break;
        case MaterialUnitList::Ys2UnitsList:
            units_.strength2 = position;
            break;
        case MaterialUnitList::EUnitsList:
            units_.modulus = position;
            break;
        case MaterialUnitList::DensityUnitsList:
            units_.density = position;
            break;
    }
}

void MaterialCatalogue::SetFieldsFrom(const MaterialFieldTexts& fields) {
    Field(MaterialField::YsVal) = fields.strength;
    Field(MaterialField::Ys2Val) = fields.strength2;
    Field(MaterialField::Youngs_Modulus) = fields.modulus;
    Field(MaterialField::Density) = fields.density;
    Field(MaterialField::Poisson_Ratio) = fields.poisson;
    Field(MaterialField::MatComment) = fields.comment;
    units_ = fields.units;
}

MaterialFieldTexts MaterialCatalogue::CurrentFields() const {
    MaterialFieldTexts fields;
    fields.strength = FieldText(MaterialField::YsVal);
    fields.strength2 = FieldText(MaterialField::Ys2Val);
    fields.modulus = FieldText(MaterialField::Youngs_Modulus);
    fields.density = FieldText(MaterialField::Density);
    fields.poisson = FieldText(MaterialField::Poisson_Ratio);
    fields.comment = FieldText(MaterialField::MatComment);
    fields.units = units_;
    return fields;
}

// --- buttons -------------------------------------------------------------------------------

void MaterialCatalogue::AddClicked() {
    if (addMode_ || editMode_) {
        Beep();
        return;
    }
    addMode_ = true;
    buttonsEnabled_[static_cast<std::size_t>(CatalogueButton::BtnEdit)] = false;
    buttonsEnabled_[static_cast<std::size_t>(CatalogueButton::btnDelete)] = false;
    buttonsEnabled_[static_cast<std::size_t>(CatalogueButton::SearchButton)] = false;
    // "All" fills the sub-category list with every sub-category to choose from; emptying the
    // selection then clears the material list, the fields and the design's material.
    SelectListEntry(CatalogueList::CategoryList, 0);
    SelectListEntry(CatalogueList::CategoryList, -1);
    EnterEditMode();
    Focus(CatalogueList::CategoryList);
}

void MaterialCatalogue::EditClicked() {
    if (material_.text.empty() || editMode_ || addMode_) {
        Beep();
        return;
    }
    editMode_ = true;
    editStartName_ = material_.text;
    material_.entries = {material_.text};
    SelectListEntry(CatalogueList::MaterialList, 0);
    LoadMaterial(editStartName_, kPositionLists);
    buttonsEnabled_[static_cast<std::size_t>(CatalogueButton::btnAdd)] = false;
    buttonsEnabled_[static_cast<std::size_t>(CatalogueButton::btnDelete)] = false;
    buttonsEnabled_[static_cast<std::size_t>(CatalogueButton::SearchButton)] = false;
    EnterEditMode();
    Focus(CatalogueList::CategoryList);
}

void MaterialCatalogue::DeleteClicked() {
    if (addMode_ || editMode_ || material_.text.empty()) {
        Beep();
        return;
    }
    const std::string name = material_.text;
    Message question{"Delete the material " + Quoted(name) + " ?", "Delete Material",
                     MessageIcon::Question, MessageButtons::OkCancel};
    question.defaultButton = MessageAnswer::Cancel;
    if (messages_.Show(question) != MessageAnswer::Ok) return;
    DeleteMaterialWithMessage(name);
    RefreshCategoryList();
    SelectListEntry(CatalogueList::CategoryList, 0);
}

void MaterialCatalogue::DoneClicked() {
    if (!addMode_ && !editMode_) {
        requests_.stepBack = true;
        return;
    }
    if (!ValidateMaterialFields()) return;
    if (SaveMaterialChanges()) return;
    LeaveEditMode();
    addMode_ = false;
    editMode_ = false;
    RefreshCategoryList();
    LoadMaterial(material_.text, kPositionLists);  // reloads the saved material into the design
    Focus(CatalogueList::CategoryList);
}

void MaterialCatalogue::CancelClicked() {
    const bool wasEditing = addMode_ || editMode_;
    if (wasEditing) {
        LeaveEditMode();
        addMode_ = false;
        editMode_ = false;
        Focus(CatalogueList::CategoryList);
    }
    if (!materialOnEntry_.empty()) {
        // Restore the material the design had when the window was activated, also when only the
        // editor's fields (not the design) went astray while adding or editing.
        const bool designHasIt = SameMaterialName(design_.LoadedMaterialName, materialOnEntry_);
        if (!SameMaterialName(materialOnEntry_, material_.text) || wasEditing || !designHasIt) {
            subCategory_.text.clear();
            subCategory_.selected = -1;
            LoadMaterial(materialOnEntry_, kPositionLists);
        }
    } else {
        SelectListEntry(CatalogueList::CategoryList, -1);
        SelectListEntry(CatalogueList::CategoryList, 0);
    }
    requests_.stepBack = true;
}

void MaterialCatalogue::UpdateSearchClicked() {
    Focus(CatalogueList::CategoryList);
}

void MaterialCatalogue::EnterEditMode() {
    valuePanelsEnabled_ = true;
    requests_.bringForward = true;
}

void MaterialCatalogue::LeaveEditMode() {
    valuePanelsEnabled_ = false;
    buttonsEnabled_.fill(true);
}

// --- operations ----------------------------------------------------------------------------

void MaterialCatalogue::LoadMaterial(std::string name, int mode) {
    if (loadGuard_) return;
    loadGuard_ = true;
    requests_.bringForward = true;

    if (name.empty() && material_.selected < 0) {
        ClearMaterial();
        loadGuard_ = false;
        return;
    }
    MaterialsFileStatus status;
    const MaterialRecord record = ReadMaterial(path_, name, &status);
    if (!status.Ok() || record.InUse != kMaterialInUse) {
        ClearMaterial();
        if (!status.Ok()) {
            ShowFileError(status.error, kProgramTitle);
        } else {
            messages_.Show(MaterialNotFoundText(name), kProgramTitle, MessageIcon::Exclamation,
                           MessageButtons::Ok);
        }
        loadGuard_ = false;
        return;
    }
    design_.MaterialClass = record.MainCategory;
    ShowStrengthCaptions(design_.MaterialClass);
    const std::string subCategory = record.SubCategory;

    if (mode == kLoadIntoDesign) {
        materialLabel_ = record.Name;
        SetFieldsFrom(LoadRecordIntoDesign(design_, record, units_, messages_));
        loaded_ = MaterialAsLoaded{record.Name, record.MainCategory, captions_, CurrentFields()};
    }
    loadGuard_ = false;

    if (mode == kPositionLists) {
        loadGuard_ = true;
        SelectListEntry(CatalogueList::CategoryList, -1);
        // A category outside the fixed list is reachable under "All".
        int category = FindEntryIgnoringCase(category_.entries, design_.MaterialClass);
        if (category < 0) category = 0;
        SelectListEntry(CatalogueList::CategoryList, category);
        int sub =
            subCategory.empty() ? 0 : FindEntryIgnoringCase(subCategory_.entries, subCategory);
        if (sub < 0) sub = 0;
        SelectListEntry(CatalogueList::SubCategoryList, sub);
        loadGuard_ = false;
        const int entry = FindMaterialEntry(material_.entries, name);
        if (entry >= 0) {
            SelectListEntry(CatalogueList::MaterialList, entry);
        } else {
            // Not listed where its category leads: it is loaded by name all the same, so that
            // a design never loses its material silently.
            LoadMaterial(name, kLoadIntoDesign);
        }
    }
}

void MaterialCatalogue::ClearMaterial() {
    tidewell::ClearMaterial(design_);
    materialLabel_.clear();
    loaded_ = MaterialAsLoaded{};
    for (std::string& field : fields_) field.clear();
    units_ = MaterialUnitSelection{};
}

bool MaterialCatalogue::ValidateMaterialFields() {
    const auto fail = [this](const std::string& title, const std::string& text) {
        messages_.Show(text, title, MessageIcon::Critical, MessageButtons::Ok);
        return false;
    };
    // A value field that fails is emptied before the message.
    const auto numeric = [this](MaterialField field) {
        if (IsNumeric(Field(field))) return true;
        Field(field).clear();
        return false;
    };
    // Material values are positive: a negative modulus or strength would pass every later check
    // and make the analysis look safe. The typed value stays for the user to correct.
    const auto positive = [this](MaterialField field) {
        return NumericValue(Field(field)).value_or(0) > 0;
    };
    const auto fits = [this](MaterialText field, const std::string& text) {
        const std::optional<Message> refusal = MaterialTextRefusal(field, text);
        if (refusal) messages_.Show(*refusal);
        return !refusal;
    };

    if (IsBlank(category_.text) || IsAllText(category_.text)) {
        return fail("Main Category?",
                    "Main Category is invalid.  A Main Category is required for the database.  "
                    "Use of the existing options is highly recommended.  (" +
                        Quoted(kAll) + " is not a valid option).");
    }
    if (editMode_ && (IsBlank(subCategory_.text) || IsAllText(subCategory_.text))) {
        const MessageAnswer answer =
            messages_.Show("This material has no Sub-Category.  Is this correct?\r(" +
                               Quoted(kAll) + " indicates that the material has no sub-category).",
                           "Sub-Category?", MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return false;
    }
    if (IsBlank(material_.text)) {
        return fail("Material Name?", "Material description is invalid");
    }
    if (!numeric(MaterialField::YsVal)) {
        return fail("Yield Stress?", "Yield Stress value is invalid");
    }
    if (!positive(MaterialField::YsVal)) {
        return fail("Yield Stress?", "Yield Stress value must be greater than 0");
    }
    if (captions_.secondaryShown && !numeric(MaterialField::Ys2Val)) {
        return fail(captions_.secondary + "?", captions_.secondary + " value is invalid");
    }
    if (captions_.secondaryShown && !positive(MaterialField::Ys2Val)) {
        return fail(captions_.secondary + "?",
                    captions_.secondary + " value must be greater than 0");
    }
    if (!numeric(MaterialField::Youngs_Modulus)) {
        return fail("Youngs Modulus?", "Youngs Modulus value is invalid");
    }
    if (!positive(MaterialField::Youngs_Modulus)) {
        return fail("Youngs Modulus?", "Youngs Modulus value must be greater than 0");
    }
    if (!numeric(MaterialField::Density)) {
        return fail("Density?", "Density value is invalid");
    }
    if (!positive(MaterialField::Density)) {
        return fail("Density?", "Density value must be greater than 0");
    }
    if (!numeric(MaterialField::Poisson_Ratio)) {
        return fail("Poisson's Ratio?", "Poisson's Ratio is invalid");
    }
    if (!positive(MaterialField::Poisson_Ratio) ||
        !(NumericValue(Field(MaterialField::Poisson_Ratio)).value_or(0) < kPoissonLimit)) {
        return fail("Poisson's Ratio?", "Poisson's Ratio must be greater than 0 and less than 0.5");
    }
    // A text the file cannot hold would be cut or refused by the file, and a cut name would no
    // longer find the record it was saved as.
    return fits(MaterialText::MainCategory, category_.text) &&
           (IsAllText(subCategory_.text) || fits(MaterialText::SubCategory, subCategory_.text)) &&
           fits(MaterialText::Name, material_.text) &&
           fits(MaterialText::Comment, Field(MaterialField::MatComment));
}

bool MaterialCatalogue::SaveMaterialChanges() {
    const std::string& name = material_.text;
    MaterialRecord record;
    record.Name = name;
    record.MainCategory = category_.text;
    record.SubCategory = IsAllText(subCategory_.text) ? "" : subCategory_.text;
    const MaterialFieldTexts fields = CurrentFields();
    record.StrengthValue = ParseNumber(fields.strength, messages_);
    record.StrengthUnit = StrengthUnitList()[static_cast<std::size_t>(fields.units.strength)];
    if (captions_.secondaryShown) {
        record.Strength2Value = ParseNumber(fields.strength2, messages_);
        record.Strength2Unit = StrengthUnitList()[static_cast<std::size_t>(fields.units.strength2)];
    }
    record.ModulusValue = ParseNumber(fields.modulus, messages_);
    record.ModulusUnit = ModulusUnitList()[static_cast<std::size_t>(fields.units.modulus)];
    record.DensityValue = ParseNumber(fields.density, messages_);
    record.DensityUnit = DensityUnitList()[static_cast<std::size_t>(fields.units.density)];
    record.PoissonValue = ParseNumber(fields.poisson, messages_);
    record.Comment = fields.comment;
    record.InUse = kMaterialInUse;

    MaterialsFileStatus status;
    if (addMode_) {
        if (!AddMaterial(path_, record, &status)) {
            if (!status.Ok()) {
                ShowFileError(status.error, kSaveFailedTitle);
            } else {
                messages_.Show("The material " + Quoted(name) + " already exists in the database.",
                               kSaveFailedTitle, MessageIcon::Exclamation, MessageButtons::Ok);
            }
            return true;
        }
    } else if (editMode_) {
        // The record is found by the name text: a changed name must not reach another record.
        const int startSlot = FindMaterial(path_, editStartName_, &status);
        const int slot = status.Ok() ? FindMaterial(path_, name, &status) : -1;
        bool updated = false;
        if (status.Ok() && slot >= 0 && slot == startSlot) {
            updated = UpdateMaterial(path_, record, &status);
        }
        if (!updated) {
            if (!status.Ok()) {
                ShowFileError(status.error, kSaveFailedTitle);
            } else {
                messages_.Show("The material " + Quoted(editStartName_) + " not found in database.",
                               kSaveFailedTitle, MessageIcon::Exclamation, MessageButtons::Ok);
            }
            return true;
        }
    }
    materialLabel_ = name;
    return false;
}

void MaterialCatalogue::DeleteMaterialWithMessage(const std::string& name) {
    MaterialsFileStatus status;
    if (DeleteMaterial(path_, name, &status)) {
        messages_.Show("The material " + Quoted(name) + " has been deleted from the database.",
                       kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
    } else if (!status.Ok()) {
        ShowFileError(status.error, kProgramTitle);
    } else {
        messages_.Show("The material " + Quoted(name) + " cannot be found in the database.",
                       kProgramTitle, MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void MaterialCatalogue::ShowFileError(const std::string& error, const std::string& title) {
    messages_.Show(error, title, MessageIcon::Critical, MessageButtons::Ok);
}

// --- state ---------------------------------------------------------------------------------

CatalogueCombo& MaterialCatalogue::Combo(CatalogueList list) {
    switch (list) {
        case CatalogueList::CategoryList:
            return category_;
        case CatalogueList::SubCategoryList:
            return subCategory_;
        case CatalogueList::MaterialList:
            break;
    }
    return material_;
}

const CatalogueCombo& MaterialCatalogue::List(CatalogueList list) const {
    switch (list) {
        case CatalogueList::CategoryList:
            return category_;
        case CatalogueList::SubCategoryList:
            return subCategory_;
        case CatalogueList::MaterialList:
            break;
    }
    return material_;
}

std::string& MaterialCatalogue::Field(MaterialField field) {
    return fields_[FieldIndex(field)];
}

const std::string& MaterialCatalogue::FieldText(MaterialField field) const {
    return fields_[FieldIndex(field)];
}

int MaterialCatalogue::UnitSelection(MaterialUnitList list) const {
    switch (list) {
        case MaterialUnitList::YsUnitsList:
            return units_.strength;
        case MaterialUnitList::Ys2UnitsList:
            return units_.strength2;
        case MaterialUnitList::EUnitsList:
            return units_.modulus;
        case MaterialUnitList::DensityUnitsList:
            break;
    }
    return units_.density;
}

const std::vector<std::string>& MaterialCatalogue::UnitEntries(MaterialUnitList list) {
    switch (list) {
        case MaterialUnitList::YsUnitsList:
        case MaterialUnitList::Ys2UnitsList:
            return StrengthUnitList();
        case MaterialUnitList::EUnitsList:
            return ModulusUnitList();
        case MaterialUnitList::DensityUnitsList:
            break;
    }
    return DensityUnitList();
}

bool MaterialCatalogue::ButtonEnabled(CatalogueButton button) const {
    return buttonsEnabled_[static_cast<std::size_t>(button)];
}

CatalogueRequests MaterialCatalogue::TakeRequests() {
    return std::exchange(requests_, {});
}

}  // namespace tidewell
