// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a stored material becomes the design's properties: the editor's unit lists and strength
// captions, the number text the editor shows for a stored value, and the one conversion from the
// editor's texts and unit choices to the design record's base units (psi, lb/cu in). The
// materials window, a project being opened, the start-up default material and the command-line
// program all load a material through LoadRecordIntoDesign, so they always agree.

#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "materials/MaterialRecord.h"
#include "units/UserMessages.h"

namespace tidewell {

// The editor's unit lists, in their order.
const std::vector<std::string>& StrengthUnitList();  // "Ksi", "psi", "Mpsi", "Kbar", "Mbar", ...
const std::vector<std::string>& ModulusUnitList();   // "Mpsi", "psi", "Ksi", "Kbar", "Mbar", ...
const std::vector<std::string>& DensityUnitList();   // "lb/cu in", "lb/cu ft", "kg/cu m", ...

// Position of the first entry equal to text ignoring case; -1 when none is.
int FindEntryIgnoringCase(const std::vector<std::string>& entries, const std::string& text);

// Captions of the strength fields for a main category (compared upper-cased).
struct StrengthCaptions {
    std::string primary = "Yield Strength";
    bool secondaryShown = false;
    std::string secondary;
};
StrengthCaptions StrengthCaptionsFor(const std::string& mainCategory);

// The text the editor shows for a stored number: at most 15 significant digits, shortest form,
// "." as separator whatever the locale, no leading blank. Non-finite values give "nan", "inf" or
// "-inf", which no number reader accepts.
std::string MaterialNumberText(double value);

// True when ParseNumber reads the text as a finite number without complaint. Empty or blank text
// is not numeric. Shows nothing.
bool IsNumeric(const std::string& text);

// The number a numeric text holds (see IsNumeric); nullopt when it holds none. Shows nothing.
std::optional<double> NumericValue(const std::string& text);

// Selected positions of the editor's four unit lists.
struct MaterialUnitSelection {
    int strength = 0;   // in StrengthUnitList
    int strength2 = 0;  // in StrengthUnitList
    int modulus = 0;    // in ModulusUnitList
    int density = 0;    // in DensityUnitList
};

// The editor's value texts and unit choices.
struct MaterialFieldTexts {
    std::string strength;   // YsVal
    std::string strength2;  // Ys2Val
    std::string modulus;    // Youngs_Modulus
    std::string density;    // Density
    std::string poisson;    // Poisson_Ratio
    std::string comment;    // MatComment
    MaterialUnitSelection units;
};

// The texts the editor shows for a stored record. Each unit list selects the entry equal to the
// stored unit text ignoring case; a unit text not in the list keeps the previous selection.
MaterialFieldTexts FieldTextsForRecord(const MaterialRecord& record,
                                       const MaterialUnitSelection& previous);

// Material properties in base units.
struct MaterialProperties {
    double YoungsModulus = 0;  // psi
    double PoissonsRatio = 0;
    double Density = 0;            // lb/cu in
    double YieldStrength = 0;      // psi
    double SecondaryStrength = 0;  // psi; 0 when the class has none
};

// Reads the editor texts (ParseNumber) and divides by the factor of the chosen unit. A text that
// cannot be read, or a value that does not stay finite, shows "Can't parse <text>." and gives 0.
MaterialProperties PropertiesFromFields(const MaterialFieldTexts& fields, bool secondaryShown,
                                        UserMessages& messages);

// Loads a stored record into the design: MaterialName, LoadedMaterialName, MaterialClass and the
// properties, each stored value passing once through its editor text. Returns the editor texts.
MaterialFieldTexts LoadRecordIntoDesign(DesignRecord& design, const MaterialRecord& record,
                                        const MaterialUnitSelection& previous,
                                        UserMessages& messages);

}  // namespace tidewell
