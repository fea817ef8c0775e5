// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The logic of the materials window ("Material Database"), without the window: three browse
// lists (main category, sub-category, material), the value fields with their unit lists, the add
// and edit modes, validation, saving and deletion. The window shows this model's state, forwards
// every user action to it and carries out the requests it gathers (beep, focus, step back).
// Selections the model makes itself run the same handling as the user's, as in the window.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "materials/MaterialAsLoaded.h"
#include "materials/MaterialUnits.h"
#include "units/UserMessages.h"

namespace tidewell {

// The three browse lists.
enum class CatalogueList { CategoryList, SubCategoryList, MaterialList };

// The value and comment fields.
enum class MaterialField { YsVal, Ys2Val, Youngs_Modulus, Density, Poisson_Ratio, MatComment };

// The four unit lists.
enum class MaterialUnitList { YsUnitsList, Ys2UnitsList, EUnitsList, DensityUnitsList };

// Buttons whose enabled state the model decides.
enum class CatalogueButton { btnAdd, BtnEdit, btnDelete, SearchButton };

// A drop-down list with editable text: its entries, the selected position (-1 none) and the text.
struct CatalogueCombo {
    std::vector<std::string> entries;
    int selected = -1;
    std::string text;
};

// What the window must do beyond showing the state, gathered since the last TakeRequests.
struct CatalogueRequests {
    int beeps = 0;
    std::optional<CatalogueList> focus;  // list to give the keyboard focus
    bool bringForward = false;           // bring the materials window back to the front
    bool stepBack = false;               // step back and bring the design form forward
    std::optional<bool> secondaryPanel;  // the secondary strength panel was shown or hidden
};

// Load modes of LoadMaterial.
inline constexpr int kLoadIntoDesign = 1;  // editor fields and design record
inline constexpr int kPositionLists = 2;   // position the lists; their selection loads

class MaterialCatalogue {
public:
    // The design record, the messages and the file path outlive the model.
    MaterialCatalogue(DesignRecord& design, std::string materialsFilePath, UserMessages& messages);

    // --- window life -----------------------------------------------------------------------
    // Fills the lists, selects "All" and positions the lists on the design's material, if any.
    void FormLoad();
    // Remembers the design's material, restored by Cancel.
    void Activate();
    // Leaves add or edit mode.
    void Unload();
    // Closing the window for New, Open or Quit: an unfinished add or edit asks "Save the material
    // changes?"; Yes saves as Done does, No discards. False when the closing (and the command)
    // must stop: the user cancelled, or the save was refused.
    bool CloseForCommand();

    // --- list handling ---------------------------------------------------------------------
    // Selects an entry (-1 empties the selection) and runs the list's selection handling.
    // A position outside the list changes nothing.
    void SelectListEntry(CatalogueList list, int position);
    // Text typed into a list: the selection is emptied, nothing else happens.
    void TypeListText(CatalogueList list, const std::string& text);
    // Focus leaves a list: browse mode checks the entry, add and edit mode refuse "All".
    void LeaveList(CatalogueList list);

    // --- fields ----------------------------------------------------------------------------
    void SetFieldText(MaterialField field, const std::string& text);
    // A position outside the list changes nothing.
    void SelectUnit(MaterialUnitList list, int position);

    // --- buttons ---------------------------------------------------------------------------
    void AddClicked();
    void EditClicked();
    void DeleteClicked();
    void DoneClicked();
    void CancelClicked();
    void UpdateSearchClicked();

    // --- operations ------------------------------------------------------------------------
    // Mode 1 loads the named material into the fields and the design; mode 2 positions the three
    // lists on it and lets the material list's selection load it. The name is taken by value:
    // the lists it may come from are rebuilt on the way.
    void LoadMaterial(std::string name, int mode);
    // Loads the material a project or the preferences name, as the window does it: the lists are
    // positioned on it and it is loaded into the design; one the lists do not reach is loaded by
    // name. An empty name clears the design's material. Leaves add or edit mode first.
    void LoadDesignMaterial(std::string name);
    // Empties the material label, the fields and the design's material; first unit entries.
    void ClearMaterial();
    // True when the fields may be saved; otherwise the first fault was shown.
    bool ValidateMaterialFields();
    // Writes the fields to the file; returns true when the save was cancelled.
    bool SaveMaterialChanges();
    void DeleteMaterialWithMessage(const std::string& name);

    // --- state for display -----------------------------------------------------------------
    const CatalogueCombo& List(CatalogueList list) const;
    const std::string& FieldText(MaterialField field) const;
    int UnitSelection(MaterialUnitList list) const;
    static const std::vector<std::string>& UnitEntries(MaterialUnitList list);
    const std::string& PrimaryCaption() const { return captions_.primary; }
    const std::string& SecondaryCaption() const { return captions_.secondary; }
    bool SecondaryPanelShown() const { return captions_.secondaryShown; }
    bool ValuePanelsEnabled() const { return valuePanelsEnabled_; }
    bool ButtonEnabled(CatalogueButton button) const;
    const std::string& MaterialLabel() const { return materialLabel_; }
    // The design's material as it was loaded (empty when the design has none): the texts the
    // results window and the report quote, whatever the editor's fields show meanwhile.
    MaterialAsLoaded LoadedMaterial() const;

    bool AddMode() const { return addMode_; }
    bool EditMode() const { return editMode_; }
    const std::string& EditStartName() const { return editStartName_; }
    const std::string& MaterialOnEntry() const { return materialOnEntry_; }
    bool LoadGuard() const { return loadGuard_; }

    // Returns and forgets the requests gathered so far.
    CatalogueRequests TakeRequests();

private:
    CatalogueCombo& Combo(CatalogueList list);
    std::string& Field(MaterialField field);

    void CategorySelected();
    void SubCategorySelected();
    void MaterialSelected();

    void RefreshCategoryList();
    void FillSubCategoryList();
    void FillMaterialList();
    void ShowStrengthCaptions(const std::string& mainCategory);
    void ValidateListEntry(CatalogueList list);
    void EnterEditMode();
    void LeaveEditMode();
    void SetFieldsFrom(const MaterialFieldTexts& fields);
    MaterialFieldTexts CurrentFields() const;
    void ResetLists();
    void ShowFileError(const std::string& error, const std::string& title);
    void Beep() { ++requests_.beeps; }
    void Focus(CatalogueList list) { requests_.focus = list; }

    DesignRecord& design_;
    std::string path_;
    UserMessages& messages_;

    CatalogueCombo category_;
    CatalogueCombo subCategory_;
    CatalogueCombo material_;
    std::array<std::string, 6> fields_;  // in MaterialField order
    MaterialUnitSelection units_;
    StrengthCaptions captions_;
    std::string materialLabel_;
    MaterialAsLoaded loaded_;

    bool valuePanelsEnabled_ = false;
    std::array<bool, 4> buttonsEnabled_{true, true, true, true};  // in CatalogueButton order

    bool addMode_ = false;
    bool editMode_ = false;
    std::string editStartName_;
    std::string materialOnEntry_;
    bool loadGuard_ = false;

    CatalogueRequests requests_;
};

}  // namespace tidewell
