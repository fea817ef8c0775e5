// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/ReportAssembly.h"

#include "analysis/DesignOperations.h"
#include "analysis/ProgramVersion.h"
#include "materials/MaterialsFile.h"
#include "units/NumberFormat.h"
#include "units/Units.h"

namespace tidewell {

namespace {

// Entry of a unit list at a selected position; empty when the position is not in the list.
std::string EntryAt(const std::vector<std::string>& entries, int position) {
    if (position < 0 || position >= static_cast<int>(entries.size())) return "";
    return entries[static_cast<size_t>(position)];
}

bool IsBody(int componentCode) {
    return componentCode == kReportHemisphereBody || componentCode == kReportSphereBody ||
           componentCode == kReportTubeBody;
}

void FillGeometry(const DesignRecord& design, int componentCode, ReportInput& in) {
    if (IsBody(componentCode)) {
        for (size_t i = 0; i < 4; ++i) {
            in.fieldTexts[i] = GeometryFieldText(design.BodyDimEntered[i], design);
            in.unitTexts[i] = GeometryUnitText(design.BodyDimUnit[i], design.UnitSystem);
        }
        return;
    }
    for (size_t i = 0; i < in.fieldTexts.size(); ++i) {
        in.fieldTexts[i] = GeometryFieldText(design.EndcapDimEntered[i], design);
    }
    for (size_t i = 0; i < in.unitTexts.size(); ++i) {
        in.unitTexts[i] = GeometryUnitText(design.EndcapDimUnit[i], design.UnitSystem);
    }
}

}  // namespace

std::string GeometryFieldText(double typedValue, const DesignRecord& design) {
    if (!(typedValue > 0)) return "";
    int16_t digits = design.SignificantDigits;
    int16_t notation = design.NumericFormat;
    return SigDigFormat(typedValue, digits, notation);
}

std::string GeometryUnitText(double unitIndex, int16_t unitSystem) {
    const std::vector<std::string>& lengths = LengthUnitList();
    // Indexes are whole numbers; the endcap's are held as doubles.
    if (unitIndex >= 0 && unitIndex < static_cast<double>(lengths.size())) {
        return lengths[static_cast<size_t>(unitIndex)];
    }
    return EntryAt(lengths, unitSystem != 0 ? 1 : 0);
}

std::string EdgeRestraintText(const DesignRecord& design) {
    return EntryAt(RestraintNamesFor(design.EndcapType), design.EdgeRestraint);
}

std::optional<MaterialFieldTexts> LoadedMaterialTexts(const DesignRecord& design,
                                                      const std::string& materialsFile,
                                                      std::string& problem) {
    MaterialsFileStatus status;
    const MaterialRecord record = ReadMaterial(materialsFile, design.LoadedMaterialName, &status);
    if (!status.Ok()) {
        problem = status.error;
        return std::nullopt;
    }
    if (record.InUse != kMaterialInUse) {
        problem = "The material \"" + design.LoadedMaterialName +
                  "\" could not be read again from the materials file.";
        return std::nullopt;
    }
    return FieldTextsForRecord(record, MaterialUnitSelection{});
}

ReportInput AssembleReportInput(const DesignRecord& design, const MaterialFieldTexts& material,
                                const ResultsView& view, const ResultsWindowTexts& window,
                                const ReportClock& clock) {
    ReportInput in;
    in.programVersion =
        design.ProgramVersion.empty() ? ProgramVersionText() : design.ProgramVersion;
    in.timeText = clock.timeText;
    in.dateText = clock.dateText;

    in.componentCode = view.componentCode;
    in.externalPressure = design.PressureSource != 0;
    FillGeometry(design, view.componentCode, in);
    in.edgeRestraint = EdgeRestraintText(design);

    in.weightInAir = view.weightInAir;
    in.weightInWater = view.weightInWater;
    in.weightUnit = window.weightUnit;

    const FailureFrame& frame = view.failure;
    for (size_t i = 0; i < frame.options.size(); ++i) {
        const FailureOption& option = frame.options[i];
        in.failureOptions.push_back(
            {option.caption, option.visible, static_cast<int>(i) + 1 == frame.selected});
    }

    in.materialName = design.MaterialName;
    const StrengthCaptions captions = StrengthCaptionsFor(design.MaterialClass);
    in.strength = {captions.primary, material.strength,
                   EntryAt(StrengthUnitList(), material.units.strength)};
    in.secondStrengthVisible = captions.secondaryShown;
    in.secondStrength = {captions.secondary, material.strength2,
                         EntryAt(StrengthUnitList(), material.units.strength2)};
    in.modulus = {"", material.modulus, EntryAt(ModulusUnitList(), material.units.modulus)};
    in.density = {"", material.density, EntryAt(DensityUnitList(), material.units.density)};
    in.poissonRatio = material.poisson;
    in.comment = material.comment;

    if (view.componentCode == kReportFlatAnnularEndcap) {
        in.distortionCaption1 = frame.annularEvalLabel;
        // The evaluation box shows the proposed diameter after a run, or keeps the typed one
        // while a recalculation at that diameter runs.
        in.distortionCaption2 = frame.proposedEvalDiameter.empty() ? window.evalDiameterText
                                                                   : frame.proposedEvalDiameter;
    } else if (view.componentCode == kReportFlatCircularEndcap) {
        in.distortionCaption1 = frame.evalRadiusLabel;
        in.distortionCaption2 = frame.evalRadiusLabel2;
    }

    in.grid = view.cells;
    return in;
}

}  // namespace tidewell
