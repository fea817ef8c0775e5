// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/ResultsRequest.h"

#include <cstdio>

#include "analysis/DesignValidation.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// The entry a unit list shows for a saved unit name: the matching entry, else the unit-system
// default.
std::string UnitShown(const std::vector<std::string>& list, const std::string& saved,
                      int16_t unitSystem) {
    const std::optional<int> position = SelectUnit(list, saved, unitSystem);
    if (!position || *position < 0 || *position >= static_cast<int>(list.size())) return "";
    return list[static_cast<size_t>(*position)];
}

// A stored number as the materials editor shows it: at most 15 significant digits.
std::string StoredNumberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// The strength captions the materials editor shows for a material class.
struct ClassStrengthCaptions {
    std::string primary;
    bool secondaryShown = false;
    std::string secondary;
};

ClassStrengthCaptions CaptionsOfClass(const std::string& materialClass) {
    if (IsPlastic(materialClass)) return {"Ultimate Strength", true, "Working Strength"};
    if (IsGlassOrCeramic(materialClass)) {
        return {"Ult. Strength (tensile)", true, "Ult. Strength (comp)"};
    }
    return {"Yield Strength", false, ""};
}

}  // namespace

ResultsRequest DefaultResultsRequest(const DesignRecord& design) {
    const int16_t system = design.UnitSystem;
    ResultsRequest request;
    request.pressureUnit = UnitShown(PressUnitList(), design.PressureUnit, system);
    request.depthUnit = UnitShown(DepthUnitList(), design.DepthUnit, system);
    request.stressUnit = UnitShown(StressUnitList(), design.StressUnit, system);
    request.deflectionUnit = UnitShown(DeflectionUnitList(), design.DeflectionUnit, system);
    request.angleUnit = UnitShown(AngleDeflectUnitList(), design.AngleUnit, system);
    request.weightUnit = UnitShown(WeightUnitList(), design.WeightUnit, system);
    request.failureUnit = UnitShown(FailUnitList(), design.FailureUnit, system);
    request.rangeUnit = UnitShown(DistortionUnitList(), design.RangeUnit, system);
    request.pressureRange = design.PressureRange;
    request.forceThickWall = design.ForceThickWall;
    request.useWorkingStrength = design.UseWorkingStrength;

    request.materialCaption = design.MaterialName;
    const ClassStrengthCaptions captions = CaptionsOfClass(design.MaterialClass);
    // A class without a second strength shows like a metal: the primary strength alone.
    request.categoryText = captions.secondaryShown ? design.MaterialClass : "Metals";
    request.primaryStrengthCaption = captions.primary;
    request.primaryStrengthValue = StoredNumberText(design.YieldStrength);
    request.primaryStrengthUnit = "psi";
    if (captions.secondaryShown) {
        request.secondaryStrengthCaption = captions.secondary;
        request.secondaryStrengthValue = StoredNumberText(design.SecondaryStrength);
        request.secondaryStrengthUnit = "psi";
    }
    return request;
}

std::vector<std::string> PressureRangeEntries(const std::string& rangeUnit) {
    if (rangeUnit == "Bar") {
        return {"0.001 - 0.02 Bar", "0.01 - 0.2 Bar", "0.1 - 2 Bar",
                "1 - 20 Bar",       "10 - 200 Bar",   "100 - 2000 Bar"};
    }
    return {"0.1 - 2 psi",    "1 - 20 psi",       "10 - 200 psi",
            "100 - 2000 psi", "1000 - 20000 psi", "10000 - 200000 psi"};
}

}  // namespace tidewell
