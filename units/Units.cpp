// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Unit names, their factors, the sea-water depth law and the unit lists.

#include "units/Units.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace tidewell {
namespace {

struct UnitFactor {
    const char* name;
    double factor;  // value in the unit = value in the base unit × factor
};

// Searched in this order; the first equal name gives the factor. The quotients are the program's
// own definitions and are evaluated in double precision, not rounded to shorter constants.
constexpr std::array<UnitFactor, 31> kUnitTable{{
    {"lbs", 1.0},
    {"kg", 1.0 / 2.204623},
    {"psi", 1.0},
    {"Ksi", 1.0 / 1000.0},
    {"Kbar", 1.0 / 14503.77},
    {"Bar", 1.0 / 14.50377},
    {"Mbar", 1.0 / 14503770.0},
    {"Mpsi", 1.0 / 1000000.0},
    {"MPa", 0.00689476},
    {"GPa", 0.00000689476},
    {"Ft (sea)", 1.0},
    {"Ft (fresh)", 1.0 / 0.984},
    {"m (sea)", 0.3048},
    {"m (fresh)", 0.3048 / 0.984},
    {"Inches", 1.0},
    {"in", 1.0},
    {"ft", 1.0 / 12.0},
    {"Ft", 1.0 / 12.0},
    {"Feet", 1.0 / 12.0},
    {"feet", 1.0 / 12.0},
    {"m", 0.0254},
    {"meters", 0.0254},
    {"cm", 2.54},
    {"mm", 25.4},
    {"Radians", 1.0},
    {"Degrees", 180.0 / 3.141592654},
    {"lb/cu in", 1.0},
    {"lb/cu ft", 1728.0},
    {"kg/cu m", 27679.9047},
    {"gr/cu cm", 27.6799047},
    {"kg/cu cm", 0.0276799047},
}};

// Sea-water pressure law p = a·D + c·D² (p in psi, D in feet of sea water).
constexpr double kPsiPerFoot = 0.444;
constexpr double kPsiPerSquareFoot = 0.3 / (1000.0 * 1000.0);

bool IsDepthUnit(const std::string& name) {
    return name == "Ft (sea)" || name == "Ft (fresh)" || name == "m (sea)" || name == "m (fresh)";
}

// Factor of the unit at a position of the length list, as the list was before it changed.
double LengthFactorAtPosition(int position) {
    switch (position) {
        case 0:
            return 1.0;  // in
        case 1:
            return 25.4;  // mm
        case 2:
            return 1.0 / 12.0;  // Ft
        case 3:
            return 0.0254;  // m
        case 4:
            return 2.54;  // cm
        default:
            return 1.0;
    }
}

std::string UpperAscii(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

}  // namespace

double Conversion(const std::string& unitName, UserMessages& messages) {
    for (const UnitFactor& unit : kUnitTable) {
        if (unitName == unit.name) return unit.factor;
    }
    messages.Show("Unrecognized Units (" + unitName + ") in Conversion function", kProgramTitle,
                  MessageIcon::Exclamation, MessageButtons::Ok);
    return 1.0;
}

double DepthConversion(double pressurePsi, const std::string& unitName, UserMessages& messages) {
    if (pressurePsi == 0.0) return 0.0;
    if (!IsDepthUnit(unitName)) return Conversion(unitName, messages);
    // The positive root of the law, D = (√(a² + 4cp) − a) ÷ 2c, divided by p and written as
    // 2 ÷ (√(a² + 4cp) + a): the same value without the cancellation of the difference at small
    // pressures and without dividing by p. Only a suction beyond a² ÷ 4c (about 164000 psi) has
    // no real root; there the radicand is held at zero so the factor stays finite (2 ÷ a).
    const double radicand = kPsiPerFoot * kPsiPerFoot + 4.0 * kPsiPerSquareFoot * pressurePsi;
    const double root = radicand > 0.0 ? std::sqrt(radicand) : 0.0;
    const double feetPerPsi = 2.0 / (root + kPsiPerFoot);
    return feetPerPsi * Conversion(unitName, messages);
}

double ConvertLengthEntry(double value, const std::string& newUnitName, int oldPosition,
                          UserMessages& messages) {
    return value * Conversion(newUnitName, messages) / LengthFactorAtPosition(oldPosition);
}

std::optional<int> SelectUnit(const std::vector<std::string>& entries, const std::string& savedName,
                              int16_t unitSystem) {
    if (!savedName.empty()) {
        const std::string wanted = UpperAscii(savedName);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (UpperAscii(entries[i]) == wanted) return static_cast<int>(i);
        }
    }
    // No saved name, or one this list does not hold: the unit system's default entry.
    const std::size_t fallback = unitSystem != 0 ? 1 : 0;
    if (fallback >= entries.size()) return std::nullopt;
    return static_cast<int>(fallback);
}

const std::vector<std::string>& LengthUnitList() {
    static const std::vector<std::string> list{"in", "mm", "Ft", "m", "cm"};
    return list;
}

const std::vector<std::string>& PressUnitList() {
    static const std::vector<std::string> list{"Ksi", "Kbar", "psi", "Bar"};
    return list;
}

const std::vector<std::string>& DistortionUnitList() {
    static const std::vector<std::string> list{"psi", "Bar"};
    return list;
}

const std::vector<std::string>& DepthUnitList() {
    static const std::vector<std::string> list{"Ft (sea)", "Ft (fresh)", "m (sea)", "m (fresh)"};
    return list;
}

const std::vector<std::string>& StressUnitList() {
    static const std::vector<std::string> list{"Ksi", "Kbar", "psi", "Bar"};
    return list;
}

const std::vector<std::string>& DeflectionUnitList() {
    static const std::vector<std::string> list{"Inches", "cm", "mm"};
    return list;
}

const std::vector<std::string>& AngleDeflectUnitList() {
    static const std::vector<std::string> list{"Radians", "Degrees"};
    return list;
}

const std::vector<std::string>& FailUnitList() {
    static const std::vector<std::string> list{"Ksi",      "Kbar",       "psi",     "Bar",
                                               "Ft (sea)", "Ft (fresh)", "m (sea)", "m (fresh)"};
    return list;
}

const std::vector<std::string>& WeightUnitList() {
    static const std::vector<std::string> list{"lbs", "kg"};
    return list;
}

const std::vector<std::string>& MaterialPressureUnitList() {
    static const std::vector<std::string> list{"psi", "Ksi", "Mpsi", "Kbar", "Mbar", "MPa", "GPa"};
    return list;
}

const std::vector<std::string>& MaterialDensityUnitList() {
    static const std::vector<std::string> list{"lb/cu in", "lb/cu ft", "kg/cu m", "gr/cu cm",
                                               "kg/cu cm"};
    return list;
}

}  // namespace tidewell
