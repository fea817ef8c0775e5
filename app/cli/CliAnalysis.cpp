#include "app/cli/CliAnalysis.h"

#include <fstream>
#include <sstream>

#include "analysis/DesignOperations.h"
#include "analysis/DesignValidation.h"
#include "analysis/ResultsTable.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"
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

// After Open the desktop program shows the body editor, whose completion of the diameters and
// wall marks the body geometry valid unless a dimension (or the tube's length) is 0 or less.
void MarkBodyGeometry(DesignRecord& design) {
    if (design.BodyType <= 0) return;
    bool valid = design.BodyDim[0] > 0 && design.BodyDim[1] > 0 && design.BodyDim[2] > 0;
    if (design.BodyType == kTubeBody && !(design.BodyDim[3] > 0)) valid = false;
    design.BodyGeometryValid = valid ? kTrue : kFalse;
}

// The entry a results unit list selects for a saved unit name: the matching entry, or the
// unit-system default when the name is empty or matches none.
std::string UnitShown(const std::vector<std::string>& list, const std::string& saved,
                      int16_t unitSystem) {
    const std::optional<int> position = SelectUnit(list, saved, unitSystem);
    if (!position || *position < 0 || *position >= static_cast<int>(list.size())) return "";
    return list[static_cast<size_t>(*position)];
}

// The results window's lists and boxes as they stand when it opens on this design. (This is what
// DefaultResultsRequest gives; it is filled here because that function's object file currently
// clashes at link time with the materials library's StrengthCaptionsFor. The strength texts of
// the request only feed the window's material label, which neither the report nor the table
// quotes.)
ResultsRequest RequestFor(const DesignRecord& design) {
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
    return request;
}

}  // namespace

OpenedDesign OpenDesign(const std::string& projectPath, const std::string& programFolder,
                        const std::string& materialsFile, CliMessages& messages) {
    OpenedDesign opened;
    DesignRecord& design = opened.design;
    // As the design form starts: default layout, a new project.
    ResetLayout(design);
    NewProject(design);
    DesignFormState form;
    const OpenProjectResult result =
        OpenProject(projectPath, programFolder, materialsFile, design, form, messages);
    if (!result.opened) {
        opened.exitCode = kExitInputError;
        return opened;
    }
    MarkBodyGeometry(design);
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

AnalysisRun RunAnalysis(DesignRecord& design, const CliOptions& options, CliMessages& messages) {
    AnalysisRun run;
    if (options.digits) design.SignificantDigits = static_cast<int16_t>(*options.digits);
    if (options.notation) design.NumericFormat = static_cast<int16_t>(*options.notation);

    ResultsRequest request = RequestFor(design);
    if (options.range) request.pressureRange = *options.range;
    if (options.rangeUnit) request.rangeUnit = *options.rangeUnit;

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
    return run;
}

}  // namespace tidewell::cli
