// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Unit names and their factors against the base units (inch, psi, pound, radian, lb/cu in,
// foot of sea water), the sea-water depth law and the unit lists the windows show.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "units/UserMessages.h"

namespace tidewell {

// Factor f of a unit name: value in the unit = value in the base unit × f. Names compare exactly.
// An unknown name shows "Unrecognized Units (<name>) in Conversion function" and gives 1.
double Conversion(const std::string& unitName, UserMessages& messages);

// Factor by which a pressure in psi is multiplied to show it in the named unit. For the four depth
// names the factor depends on the pressure (sea-water law, fresh water 0.984 as dense); 0 for p =
// 0.
double DepthConversion(double pressurePsi, const std::string& unitName, UserMessages& messages);

// Re-expresses a typed length when its unit list changes from entry oldPosition of the length
// list to the unit newUnitName.
double ConvertLengthEntry(double value, const std::string& newUnitName, int oldPosition,
                          UserMessages& messages);

// Position to select in a unit list for a saved unit name (case-insensitive match). An empty name,
// or one that matches no entry, selects the unit-system default: entry 1 when metric (non-zero),
// entry 0 when English. Returns nullopt only when the list is too short to hold that entry.
std::optional<int> SelectUnit(const std::vector<std::string>& entries, const std::string& savedName,
                              int16_t unitSystem);

// The length list of the geometry editors: "in", "mm", "Ft", "m", "cm".
const std::vector<std::string>& LengthUnitList();

// The results window's unit lists, in their order.
const std::vector<std::string>& PressUnitList();         // "Ksi", "Kbar", "psi", "Bar"
const std::vector<std::string>& DistortionUnitList();    // "psi", "Bar"
const std::vector<std::string>& DepthUnitList();         // "Ft (sea)", ... "m (fresh)"
const std::vector<std::string>& StressUnitList();        // "Ksi", "Kbar", "psi", "Bar"
const std::vector<std::string>& DeflectionUnitList();    // "Inches", "cm", "mm"
const std::vector<std::string>& AngleDeflectUnitList();  // "Radians", "Degrees"
const std::vector<std::string>& FailUnitList();          // pressures then depths (8 entries)
const std::vector<std::string>& WeightUnitList();        // "lbs", "kg"

// The materials editor's lists.
const std::vector<std::string>& MaterialPressureUnitList();  // "psi", "Ksi", "Mpsi", ... "GPa"
const std::vector<std::string>& MaterialDensityUnitList();   // the five density names

}  // namespace tidewell
