// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/CliAnalysis.h"

#include <fstream>
#include <sstream>
#include <utility>

#include "analysis/DesignValidation.h"
#include "analysis/Rating.h"
#include "analysis/ResultsTable.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"
#include "report/CollapseReport.h"
#include "report/RatingReport.h"
#include "units/Units.h"

namespace tidewell::cli {

namespace {

// The material name the project file holds; empty when it names none or cannot be read again.
std::string MaterialNamedIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const ProjectParse parse = ParseProject(bytes.str());
    return parse.status == ProjectParseStatus::Read ? parse.data.materialName : "";
}

// With --safety: the rating and its advisories. Without it nothing is added, so every existing
// output stays as it was.
int Rate(const DesignRecord& design, const DesignRecord* endcapDesign, const CliOptions& options,
         AnalysisRun& run, CliMessages& messages) {
    if (!options.safety) {
        // The advisories warn with or without factors.
        ResultsFormatter format(design.SignificantDigits, design.NumericFormat, messages);
        for (const std::string& text :
             AdviceTexts(run.view.advice, run.request.pressureUnit, format)) {
            messages.Line("note: " + text);
        }
        return kExitOk;
    }
    const SafetyFactors factors = *options.safety;
    const HousingRating housing = RateDesign(design, run.request, factors, messages, endcapDesign);
    if (!housing.Ok()) {
        messages.Show(StopMessage(*housing.error));
        return kExitInputError;
    }
    ResultsFormatter format(design.SignificantDigits, design.NumericFormat, messages);
    const RatingUnits units = RatingUnitsFor(run.request, options);
    for (const std::string& text : AdvisoryTexts(housing, units, format)) {
        messages.Line("note: " + text);
    }
    run.ratingLines = RatingBlock(housing, factors, units, format);
    return kExitOk;
}

}  // namespace

RatingUnits RatingUnitsFor(const ResultsRequest& request, const CliOptions& options) {
    return RatingUnits{request.pressureUnit, options.depthUnit.value_or(request.depthUnit)};
}

OpenedDesign OpenDesign(const std::string& projectPath, const std::string& programFolder,
                        const std::string& materialsFile, CliMessages& messages) {
    OpenedDesign opened;
    ProjectOpenedAfresh afresh =
        OpenProjectAfresh(projectPath, programFolder, materialsFile, messages);
    opened.design = std::move(afresh.design);
    const DesignRecord& design = opened.design;
    if (!afresh.result.opened) {
        opened.exitCode = kExitInputError;
        return opened;
    }
    // A project naming a material the database lacks cannot be analysed as saved: the
    // catalogue's message has been shown.
    if (design.LoadedMaterialName.empty() && !MaterialNamedIn(design.ProjectFilePath).empty()) {
        opened.exitCode = kExitInputError;
    }
    return opened;
}

int CheckDesign(const DesignRecord& design, CliMessages& messages) {
    const ValidationResult validation = ValidateDesign(design);
    if (validation.IsValid()) return kExitOk;
    messages.Show(validation.AsMessage());
    return kExitInvalidDesign;
}

AnalysisRun RunAnalysis(DesignRecord& design, const CliOptions& options, CliMessages& messages,
                        const DesignRecord* endcapDesign) {
    AnalysisRun run;
    if (options.digits) design.SignificantDigits = static_cast<int16_t>(*options.digits);
    if (options.notation) design.NumericFormat = static_cast<int16_t>(*options.notation);

    ResultsRequest request = DefaultResultsRequest(design);
    if (options.range) request.pressureRange = *options.range;
    if (options.rangeUnit) request.rangeUnit = *options.rangeUnit;
    if (options.outOfRoundness) request.outOfRoundness = *options.outOfRoundness;

    if (options.evalDiameter) {
        if (AnalysedComponent(design) != kFlatAnnularEndcap) {
            messages.Line(
                "The evaluation diameter (--eval-dia) applies only to a flat annular "
                "endcap.");
            run.exitCode = kExitInputError;
            return run;
        }
        const EvalDiameterCheck check =
            CheckEvaluationDiameter(design, *options.evalDiameter, messages);
        if (!check.inside) {
            if (check.message) messages.Show(*check.message);
            run.exitCode = kExitInputError;
            return run;
        }
        request.evalDiameterText = *options.evalDiameter;
        request.recalculatingAtTypedDiameter = true;
    }

    run.view = BuildResultsTable(design, request, messages);
    if (!run.view.Ok()) {
        messages.Show(*run.view.error);
        run.exitCode = kExitInputError;
        return run;
    }
    design.MaterialNoticesShown =
        static_cast<int16_t>(design.MaterialNoticesShown | run.view.materialNoticeBits);
    for (const Message& notice : run.view.notices) {
        Message note = notice;
        note.icon = MessageIcon::Information;
        messages.Show(note);
    }
    run.weightUnit = request.weightUnit;
    run.evalDiameterText = request.evalDiameterText;
    run.request = request;
    if (options.collapse) {
        ResultsFormatter format(design.SignificantDigits, design.NumericFormat, messages);
        run.collapseLines = CollapseBlock(run.view.collapse, request.failureUnit, format);
    }
    run.exitCode = Rate(design, endcapDesign, options, run, messages);
    return run;
}

}  // namespace tidewell::cli
