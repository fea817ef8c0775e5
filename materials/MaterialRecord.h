// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One material of the materials file as the program holds it in memory: the texts in UTF-8 with
// trailing blanks removed, the values exactly as they were entered, each beside its unit text.

#include <cstdint>
#include <string>

namespace tidewell {

// InUse values of a slot.
inline constexpr int16_t kMaterialInUse = -1;
inline constexpr int16_t kMaterialFree = 0;

struct MaterialRecord {
    std::string Name;
    double StrengthValue =
        0;  // yield (metals), ultimate (plastics), tensile ultimate (glass, ceramics)
    std::string StrengthUnit;  // e.g. "Ksi"
    double Strength2Value =
        0;  // working (plastics) or compressive ultimate (glass, ceramics); else 0
    std::string Strength2Unit;  // blank when the class has no secondary strength
    double ModulusValue = 0;
    std::string ModulusUnit;
    double DensityValue = 0;
    std::string DensityUnit;  // e.g. "lb/cu in"
    double PoissonValue = 0;
    std::string MainCategory;  // e.g. "Metals"
    std::string SubCategory;   // empty = none
    std::string Spare;         // reserved, always empty
    std::string Comment;
    int16_t InUse = kMaterialFree;  // -1 in use, 0 deleted or not found
};

}  // namespace tidewell
