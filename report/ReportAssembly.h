// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Gathers the texts of the report from where the windows take them: the design record (geometry
// fields as the editors show them, the edge restraint of the design form), the materials
// editor's texts of the loaded material, and the results view of the last run. The desktop
// program and the command-line program call this same function, so screen, report and command
// line agree.

#include <optional>
#include <string>

#include "analysis/DesignRecord.h"
#include "analysis/ResultsView.h"
#include "materials/MaterialUnits.h"
#include "report/ReportClock.h"
#include "report/ReportInput.h"

namespace tidewell {

// Texts of the results window that the view does not carry.
struct ResultsWindowTexts {
    std::string weightUnit;        // WtUnits
    std::string evalDiameterText;  // AEndReval before the run (a typed diameter)
};

// The text a geometry editor shows for a typed value: SigDigFormat with the design's settings,
// or empty when the value is 0 or less.
std::string GeometryFieldText(double typedValue, const DesignRecord& design);

// The entry a geometry editor's unit list shows for a stored unit index: the length list entry,
// or the unit-system default ("in" English, "mm" metric) when the index is not one of its
// positions.
std::string GeometryUnitText(double unitIndex, int16_t unitSystem);

// The edge-restraint entry the design form shows for the design's endcap; empty when none is
// chosen or the endcap has no choice.
std::string EdgeRestraintText(const DesignRecord& design);

// The materials window's texts of the design's loaded material, read again from the materials
// file as loading it showed them. nullopt, with the reason in problem, when it cannot be read.
std::optional<MaterialFieldTexts> LoadedMaterialTexts(const DesignRecord& design,
                                                      const std::string& materialsFile,
                                                      std::string& problem);

// The whole report input. The material name is the design's MaterialName; the strength captions
// follow the design's MaterialClass; the values and units are those the editor shows.
ReportInput AssembleReportInput(const DesignRecord& design, const MaterialFieldTexts& material,
                                const ResultsView& view, const ResultsWindowTexts& window,
                                const ReportClock& clock);

}  // namespace tidewell
