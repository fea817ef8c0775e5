// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialUnits.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "materials/Windows1252.h"
#include "units/NumberFormat.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// Answers nothing and remembers whether it was asked: lets IsNumeric use ParseNumber silently.
class SilentMessages : public UserMessages {
public:
    using UserMessages::Show;
    MessageAnswer Show(const Message&) override {
        shown = true;
        return MessageAnswer::Ok;
    }
    bool shown = false;
};

const std::string& EntryOrEmpty(const std::vector<std::string>& entries, int position) {
    static const std::string empty;
    if (position < 0 || position >= static_cast<int>(entries.size())) return empty;
    return entries[static_cast<std::size_t>(position)];
}

int SelectionFor(const std::vector<std::string>& entries, const std::string& unitText,
                 int previous) {
    const int found = FindEntryIgnoringCase(entries, unitText);
    return found >= 0 ? found : previous;
}

// The value of an editor text in base units: text read as typed, divided by the unit's factor.
double BaseValue(const std::string& text, double factor, UserMessages& messages) {
    const double typed = ParseNumber(text, messages);
    const double value = typed / factor;
    if (!std::isfinite(typed) || !std::isfinite(value)) {
        messages.Show("Can't parse " + text + ".", kProgramTitle, MessageIcon::Exclamation,
                      MessageButtons::Ok);
        return 0;
    }
    return value;
}

}  // namespace

const std::vector<std::string>& StrengthUnitList() {
    static const std::vector<std::string> list{"Ksi", "psi", "Mpsi", "Kbar", "Mbar", "MPa", "GPa"};
    return list;
}

const std::vector<std::string>& ModulusUnitList() {
    static const std::vector<std::string> list{"Mpsi", "psi", "Ksi", "Kbar", "Mbar", "MPa", "GPa"};
    return list;
}

const std::vector<std::string>& DensityUnitList() {
    return MaterialDensityUnitList();
}

int FindEntryIgnoringCase(const std::vector<std::string>& entries, const std::string& text) {
    const std::string key = UpperCaseText(text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (UpperCaseText(entries[i]) == key) return static_cast<int>(i);
    }
    return -1;
}

StrengthCaptions StrengthCaptionsFor(const std::string& mainCategory) {
    const std::string upper = UpperCaseText(mainCategory);
    StrengthCaptions captions;
    if (upper == "PLASTICS") {
        captions.primary = "Ultimate Strength";
        captions.secondaryShown = true;
        captions.secondary = "Working Strength";
    } else if (upper == "GLASS" || upper == "CERAMICS") {
        captions.primary = "Ult. Strength (tensile)";
        captions.secondaryShown = true;
        captions.secondary = "Ult. Strength (comp)";
    }
    return captions;
}

std::string MaterialNumberText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (written.ec != std::errc()) return "nan";  // cannot happen with this buffer size
    return std::string(buffer, written.ptr);
}

bool IsNumeric(const std::string& text) {
    return NumericValue(text).has_value();
}

std::optional<double> NumericValue(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    SilentMessages silent;
    const double value = ParseNumber(text, silent);
    if (silent.shown || !std::isfinite(value)) return std::nullopt;
    return value;
}

MaterialFieldTexts FieldTextsForRecord(const MaterialRecord& record,
                                       const MaterialUnitSelection& previous) {
    MaterialFieldTexts fields;
    fields.strength = MaterialNumberText(record.StrengthValue);
    fields.strength2 = MaterialNumberText(record.Strength2Value);
    fields.modulus = MaterialNumberText(record.ModulusValue);
    fields.density = MaterialNumberText(record.DensityValue);
    fields.poisson = MaterialNumberText(record.PoissonValue);
    fields.comment = record.Comment;
    fields.units.strength =
        SelectionFor(StrengthUnitList(), record.StrengthUnit, previous.strength);
    fields.units.strength2 =
        SelectionFor(StrengthUnitList(), record.Strength2Unit, previous.strength2);
    fields.units.modulus = SelectionFor(ModulusUnitList(), record.ModulusUnit, previous.modulus);
    fields.units.density = SelectionFor(DensityUnitList(), record.DensityUnit, previous.density);
    return fields;
}

MaterialProperties PropertiesFromFields(const MaterialFieldTexts& fields, bool secondaryShown,
                                        UserMessages& messages) {
    // The factor of a unit is the number of that unit in one base unit, so dividing by it gives
    // psi or lb/cu in. An empty selection converts as an unknown unit does (factor 1, reported).
    const auto factor = [&messages](const std::vector<std::string>& list, int position) {
        return Conversion(EntryOrEmpty(list, position), messages);
    };
    MaterialProperties properties;
    properties.YoungsModulus =
        BaseValue(fields.modulus, factor(ModulusUnitList(), fields.units.modulus), messages);
    properties.PoissonsRatio = BaseValue(fields.poisson, 1.0, messages);
    properties.Density =
        BaseValue(fields.density, factor(DensityUnitList(), fields.units.density), messages);
    properties.YieldStrength =
        BaseValue(fields.strength, factor(StrengthUnitList(), fields.units.strength), messages);
    if (secondaryShown) {
        properties.SecondaryStrength = BaseValue(
            fields.strength2, factor(StrengthUnitList(), fields.units.strength2), messages);
    }
    return properties;
}

MaterialFieldTexts LoadRecordIntoDesign(DesignRecord& design, const MaterialRecord& record,
                                        const MaterialUnitSelection& previous,
                                        UserMessages& messages) {
    design.MaterialClass = record.MainCategory;
    const StrengthCaptions captions = StrengthCaptionsFor(record.MainCategory);
    MaterialFieldTexts fields = FieldTextsForRecord(record, previous);
    const MaterialProperties properties =
        PropertiesFromFields(fields, captions.secondaryShown, messages);
    design.MaterialName = record.Name;
    design.LoadedMaterialName = record.Name;
    design.YoungsModulus = properties.YoungsModulus;
    design.PoissonsRatio = properties.PoissonsRatio;
    design.Density = properties.Density;
    design.YieldStrength = properties.YieldStrength;
    design.SecondaryStrength = properties.SecondaryStrength;
    return fields;
}

}  // namespace tidewell
