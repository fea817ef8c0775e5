// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialAsLoaded.h"

namespace tidewell {

namespace {

std::string UnitText(const std::vector<std::string>& list, int position) {
    if (position < 0 || position >= static_cast<int>(list.size())) return "";
    return list[static_cast<std::size_t>(position)];
}

}  // namespace

void QuoteLoadedMaterial(const MaterialAsLoaded& material, ResultsRequest& request) {
    request.materialCaption = material.name;
    // The results title adds the secondary strength for every category but "Metals".
    request.categoryText = material.captions.secondaryShown ? material.mainCategory : "Metals";
    request.primaryStrengthCaption = material.captions.primary;
    request.primaryStrengthValue = material.fields.strength;
    request.primaryStrengthUnit = UnitText(StrengthUnitList(), material.fields.units.strength);
    request.secondaryStrengthCaption.clear();
    request.secondaryStrengthValue.clear();
    request.secondaryStrengthUnit.clear();
    if (material.captions.secondaryShown) {
        request.secondaryStrengthCaption = material.captions.secondary;
        request.secondaryStrengthValue = material.fields.strength2;
        request.secondaryStrengthUnit =
            UnitText(StrengthUnitList(), material.fields.units.strength2);
    }
}

}  // namespace tidewell
