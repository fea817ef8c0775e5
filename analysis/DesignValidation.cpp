// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/DesignValidation.h"

#include <cctype>

#include "analysis/BodyGeometry.h"

namespace tidewell {

namespace {

const char kLineBreak = '\r';

// Adds one fault line; every line is introduced by a carriage return.
void AddFault(ValidationResult& result, const char* line) {
    result.text += kLineBreak;
    result.text += line;
    result.valid = kFalse;
}

bool IsPositive(double value) {
    return value > 0;
}

bool IsOn(int16_t flag) {
    return flag != 0;
}

// A restraint index the engine has formulas for: twelve for the annular plate, two for the
// circular plate; the other endcaps need none.
bool HasValidRestraint(const DesignRecord& design) {
    switch (design.EndcapType) {
        case kFlatAnnularEndcap:
            return design.EdgeRestraint >= 0 && design.EdgeRestraint <= 11;
        case kFlatCircularEndcap:
            return design.EdgeRestraint >= 0 && design.EdgeRestraint <= 1;
        default:
            return true;
    }
}

void CheckBody(const DesignRecord& design, ValidationResult& result) {
    // Derived from the dimensions, not remembered: every route that fills them (Cancel, a pipe
    // pick, a file) is judged by the same rule.
    if (!BodyDimensionsComplete(design)) AddFault(result, "Body Geometry Invalid:");
    if (design.BodyDim[0] <= 0) AddFault(result, "     Body I.D.");
    if (design.BodyDim[1] <= 0) AddFault(result, "     Body O.D.");
    if (design.BodyDim[2] <= 0) AddFault(result, "     Body wall thickness");
    if (design.BodyDim[3] <= 0 && design.BodyType == kTubeBody) {
        AddFault(result, "     Body length");
    }
}

void CheckEndcap(const DesignRecord& design, ValidationResult& result) {
    const int16_t type = design.EndcapType;
    const bool flatPlate = type == kFlatAnnularEndcap || type == kFlatCircularEndcap;
    // Only the annular plate has a load choice; a state left over from one must not block the
    // other endcaps.
    if (type == kFlatAnnularEndcap && !IsOn(design.UniformLoadOn) && !IsOn(design.LineLoadOn)) {
        AddFault(result, "No loading selected for endcap");
    }
    if (design.EndcapDim[0] <= 0) {
        AddFault(result, flatPlate ? "     Endcap free diameter" : "     Endcap I.D.");
    }
    if (design.EndcapDim[1] <= 0) AddFault(result, "     Endcap O.D.");
    if (design.EndcapDim[2] <= 0) AddFault(result, "     Endcap thickness");
    if (flatPlate && !HasValidRestraint(design)) AddFault(result, "     Edge restraint");
    if (design.EndcapDim[3] <= 0) {
        if (type == kFlatAnnularEndcap) AddFault(result, "     Center hole");
        if (type == kConicalEndcap) AddFault(result, "     Endcap height");
    }
    if (type == kFlatAnnularEndcap) {
        if (design.EndcapDim[5] <= 0) AddFault(result, "     Number of iterations");
        if (design.EndcapDim[4] <= 0) AddFault(result, "     Line load application diameter");
        if (design.EndcapDim[6] <= 0) AddFault(result, "     Uniform loading I.D.");
        if (design.EndcapDim[7] <= 0) AddFault(result, "     Line loading O.D.");
    }
}

void CheckMaterial(const DesignRecord& design, ValidationResult& result) {
    if (design.MaterialName.empty() || design.LoadedMaterialName.empty()) {
        AddFault(result, "Material Properties:");
    }
    // A value of 0 or less is as meaningless as a missing one: a negative modulus gives a buckling
    // pressure that never governs, a negative strength makes a mode look safe. Poisson's ratio of
    // an isotropic material lies below 0.5. The tests are written so that NaN fails them too.
    if (!IsPositive(design.YoungsModulus)) AddFault(result, "     Young's Modulus");
    if (!IsPositive(design.PoissonsRatio) || !(design.PoissonsRatio < kPoissonLimit)) {
        AddFault(result, "     Poisson's ratio");
    }
    if (!IsPositive(design.Density)) AddFault(result, "     Density");
    if (!IsPositive(design.YieldStrength)) AddFault(result, "     Yield stress");
    // A second strength the run designs to is checked the same way.
    if (!IsPositive(design.SecondaryStrength)) {
        if (UsesWorkingStrength(design, design.UseWorkingStrength)) {
            AddFault(result, "     Working strength");
        } else if (UsesCompressiveStrength(design)) {
            AddFault(result, "     Compressive strength");
        }
    }
}

}  // namespace

std::string UpperCaseClass(const std::string& materialClass) {
    std::string upper = materialClass;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsMetal(const std::string& materialClass) {
    return UpperCaseClass(materialClass) == "METALS";
}

bool IsPlastic(const std::string& materialClass) {
    return UpperCaseClass(materialClass) == "PLASTICS";
}

bool IsGlassOrCeramic(const std::string& materialClass) {
    const std::string upper = UpperCaseClass(materialClass);
    return upper == "GLASS" || upper == "CERAMICS";
}

int16_t AnalysedComponent(const DesignRecord& design) {
    if (design.BodyType < 1 || design.AnalysisScope == kEndcapEditorScope) {
        return design.EndcapType;
    }
    return design.BodyType;
}

bool UsesWorkingStrength(const DesignRecord& design, int16_t useWorkingStrengthCheck) {
    return useWorkingStrengthCheck != 0 && IsPlastic(design.MaterialClass);
}

bool UsesCompressiveStrength(const DesignRecord& design) {
    return IsGlassOrCeramic(design.MaterialClass) && design.PressureSource != 0 &&
           AnalysedComponent(design) != kCircularPlateComponent;
}

ValidationResult ValidateDesign(const DesignRecord& design) {
    ValidationResult result;
    if (design.ProjectTitle.empty()) AddFault(result, "Title");
    if (design.BodyType == kNoBody && design.EndcapType == kNoEndcap) {
        AddFault(result, "No Body or Endcap selected");
    }
    if (design.BodyType > 0 && design.AnalysisScope != kEndcapEditorScope) {
        CheckBody(design, result);
    }
    if (design.EndcapType >= 1 && design.AnalysisScope != kBodyEditorScope) {
        CheckEndcap(design, result);
    }
    CheckMaterial(design, result);
    return result;
}

}  // namespace tidewell
