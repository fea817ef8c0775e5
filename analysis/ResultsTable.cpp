// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/ResultsTable.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "analysis/DesignValidation.h"
#include "analysis/FailureSearch.h"
#include "analysis/PlateFailure.h"
#include "analysis/StressEngine.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

// When a column's value is replaced by "N/A".
enum class NotApplicableRule {
    Never,
    UnlessMetal,       // equivalent stress: von Mises applies to metals only
    GlassOrCeramic,    // shear columns
    InternalPressure,  // seat columns: the seat carries load under external pressure only
    SeatOfShell,       // internal pressure, and always for the full sphere
    ShearOfShell,      // only thick-wall, internal pressure, not glass or ceramics
};

struct GridColumn {
    const char* title;
    ColumnKind kind;
    double (*value)(const AnalysisState&);  // base units
    NotApplicableRule rule = NotApplicableRule::Never;
    bool deflectionCheck = false;  // compared with half the thickness
};

using S = AnalysisState;

const std::vector<GridColumn>& TubeColumns() {
    static const std::vector<GridColumn> columns = {
        {"Max Axial", ColumnKind::Stress, [](const S& s) { return s.AxialStress; }},
        {"Max Hoop", ColumnKind::Stress, [](const S& s) { return s.HoopStress; }},
        {"Max Equiv", ColumnKind::Stress, [](const S& s) { return s.EquivalentStress; },
         NotApplicableRule::UnlessMetal},
        {"d ID", ColumnKind::Deflection, [](const S& s) { return 2 * s.InnerRadiusChange; }},
        {"d OD", ColumnKind::Deflection, [](const S& s) { return 2 * s.OuterRadiusChange; }},
        {"d Length", ColumnKind::Deflection, [](const S& s) { return s.LengthChange; }},
    };
    return columns;
}

const std::vector<GridColumn>& SphericalColumns() {
    static const std::vector<GridColumn> columns = {
        {"Max Meridional", ColumnKind::Stress, [](const S& s) { return s.AxialStress; }},
        {"Max Hoop", ColumnKind::Stress, [](const S& s) { return s.HoopStress; }},
        {"Max Equiv", ColumnKind::Stress, [](const S& s) { return s.EquivalentStress; },
         NotApplicableRule::UnlessMetal},
        {"Max Shear", ColumnKind::Stress, [](const S& s) { return s.MaxShearStress; },
         NotApplicableRule::ShearOfShell},
        {"Avg Seat", ColumnKind::Stress, [](const S& s) { return s.SeatStress; },
         NotApplicableRule::SeatOfShell},
        {"d ID", ColumnKind::Deflection, [](const S& s) { return 2 * s.InnerRadiusChange; }},
        {"d OD", ColumnKind::Deflection, [](const S& s) { return 2 * s.OuterRadiusChange; }},
    };
    return columns;
}

const std::vector<GridColumn>& ConicalColumns() {
    static const std::vector<GridColumn> columns = {
        {"Max Meridional", ColumnKind::Stress, [](const S& s) { return s.AxialStress; }},
        {"Max Hoop", ColumnKind::Stress, [](const S& s) { return s.HoopStress; }},
        {"Max Equiv", ColumnKind::Stress, [](const S& s) { return s.EquivalentStress; },
         NotApplicableRule::UnlessMetal},
        {"Avg Seat", ColumnKind::Stress, [](const S& s) { return s.SeatStress; },
         NotApplicableRule::InternalPressure},
        {"d Radius", ColumnKind::Deflection, [](const S& s) { return s.OuterRadiusChange; }},
        {"d Height", ColumnKind::Deflection, [](const S& s) { return s.LengthChange; }},
        {"d Meridian", ColumnKind::AngularDeflection,
         [](const S& s) { return s.MeridianRotation; }},
    };
    return columns;
}

const std::vector<GridColumn>& CircularPlateColumns() {
    static const std::vector<GridColumn> columns = {
        {"De Max Radial", ColumnKind::Stress, [](const S& s) { return s.PlateRadialStressAtR; }},
        {"De Max Tan", ColumnKind::Stress, [](const S& s) { return s.CenterStress; }},
        {"Avg Seat", ColumnKind::Stress, [](const S& s) { return s.SeatStress; },
         NotApplicableRule::InternalPressure},
        {"CL Deflection", ColumnKind::Deflection, [](const S& s) { return s.CenterDeflection; },
         NotApplicableRule::Never, true},
        {"FD Shear", ColumnKind::Stress, [](const S& s) { return s.OuterEdgeShearStress; },
         NotApplicableRule::GlassOrCeramic},
    };
    return columns;
}

const std::vector<GridColumn>& AnnularPlateColumns() {
    static const std::vector<GridColumn> columns = {
        {"De Radial", ColumnKind::Stress, [](const S& s) { return s.PlateRadialStressAtR; }},
        {"De Tangential", ColumnKind::Stress,
         [](const S& s) { return s.PlateTangentialStressAtR; }},
        {"De Shear", ColumnKind::Stress, [](const S& s) { return s.PlateShearStressAtR; },
         NotApplicableRule::GlassOrCeramic},
        {"De Vert Defl", ColumnKind::Deflection, [](const S& s) { return s.PlateDeflectionAtR; },
         NotApplicableRule::Never, true},
        {"De Angular Defl", ColumnKind::AngularDeflection,
         [](const S& s) { return s.PlateSlopeAtR; }},
        {"HD Radial", ColumnKind::Stress, [](const S& s) { return s.InnerEdgeRadialStress; }},
        {"HD Tangential", ColumnKind::Stress,
         [](const S& s) { return s.InnerEdgeTangentialStress; }},
        {"HD Shear", ColumnKind::Stress, [](const S& s) { return s.InnerEdgeShearStress; },
         NotApplicableRule::GlassOrCeramic},
        {"HD Vert Defl", ColumnKind::Deflection, [](const S& s) { return s.InnerEdgeDeflection; },
         NotApplicableRule::Never, true},
        {"HD Angular Defl", ColumnKind::AngularDeflection,
         [](const S& s) { return s.InnerEdgeSlope; }},
        {"FD Radial", ColumnKind::Stress, [](const S& s) { return s.OuterEdgeRadialStress; }},
        {"FD Tangential", ColumnKind::Stress,
         [](const S& s) { return s.OuterEdgeTangentialStress; }},
        {"FD Shear", ColumnKind::Stress, [](const S& s) { return s.OuterEdgeShearStress; },
         NotApplicableRule::GlassOrCeramic},
        {"FD Vert Defl", ColumnKind::Deflection, [](const S& s) { return s.OuterEdgeDeflection; },
         NotApplicableRule::Never, true},
        {"FD Angular Defl", ColumnKind::AngularDeflection,
         [](const S& s) { return s.OuterEdgeSlope; }},
        {"Avg Seat", ColumnKind::Stress, [](const S& s) { return s.SeatStress; },
         NotApplicableRule::InternalPressure},
    };
    return columns;
}

// The columns after "Pressure" and "Depth"; empty for a code that names no component.
const std::vector<GridColumn>& ColumnsFor(int16_t code) {
    static const std::vector<GridColumn> none;
    switch (code) {
        case kTubeComponent:
            return TubeColumns();
        case kSphereComponent:
        case kHemisphereComponent:
        case kHemiEndcapComponent:
            return SphericalColumns();
        case kConeComponent:
            return ConicalColumns();
        case kCircularPlateComponent:
            return CircularPlateColumns();
        case kAnnularPlateComponent:
            return AnnularPlateColumns();
        default:
            return none;
    }
}

bool IsKnownComponent(int16_t code) {
    return !ColumnsFor(code).empty();
}

bool IsPlate(int16_t code) {
    return code == kAnnularPlateComponent || code == kCircularPlateComponent;
}

const char* ComponentName(int16_t code) {
    switch (code) {
        case kAnnularPlateComponent:
            return "Flat Annular Endcap ";
        case kConeComponent:
            return "Conical Endcap ";
        case kHemiEndcapComponent:
            return "Hemispherical Endcap ";
        case kCircularPlateComponent:
            return "Flat Circular Endcap ";
        case kHemisphereComponent:
            return "Hemisphere ";
        case kSphereComponent:
            return "Sphere ";
        case kTubeComponent:
            return "Tube ";
        default:
            return "";
    }
}

const char* const kPlasticsNotice =
    "The effects of time (duration of load) and service temperature on plastic materials "
    "should be considered when evaluating these results.";
const char* const kGlassNotice =
    "The effects of tensile loading on glass/ceramic materials should be considered when "
    "evaluating these results.";
const char* const kPlateRatioNotice =
    "The ratio of plate free diameter to plate thickness is < 4, analysis results may not be "
    "valid.";
const char* const kDeflectionNotice =
    "Maximum plate deflection exceeds half the thickness.  Analysis results may not be valid "
    "for all pressures in the table.";
const char* const kConeRatioNotice =
    "The ratio of pressure vessel principal radius to wall thickness is < 10, analysis results "
    "may not be valid.";

std::string TrimmedBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Message Notice(const char* text) {
    return Message{text, kProgramTitle, MessageIcon::Information, MessageButtons::Ok};
}

// Range starts in the unit of the range list (psi; Bar after dividing by 100); each range ends
// at twenty times its start.
constexpr double kRangeStarts[6] = {0.1, 1, 10, 100, 1000, 10000};
constexpr int kDefaultRange = 4;

class TableBuilder {
public:
    TableBuilder(const DesignRecord& design, const ResultsRequest& request, UserMessages& messages,
                 AnalysisState& s)
        : design_(design),
          request_(request),
          s_(s),
          format_(design.SignificantDigits, design.NumericFormat, messages),
          materialClass_(design.MaterialClass) {}

    // Loads the state and runs the failure search only, as a run does before its table.
    std::optional<std::string> SearchOnly() {
        s_ = LoadAnalysisState(design_, request_);
        if (auto why = InputProblem()) return why;
        ResultsView view;
        if (!RunFailureSearch(view)) return error_.text;
        return std::nullopt;
    }

    ResultsView Run() {
        s_ = LoadAnalysisState(design_, request_);
        if (auto why = InputProblem()) return Stopped(*why);
        const PressureSpan span =
            PressureRangeSpan(request_.pressureRange, request_.rangeUnit, format_);

        ResultsView view;
        view.componentCode = s_.ComponentCode;
        SetResultsTitle(s_, request_, view);
        if (!RunFailureSearch(view)) return Stopped(*error_.text);
        // Read before the table's runs overwrite the searched pressures.
        view.collapse = EstimateCollapse(s_, materialClass_, request_.useWorkingStrength,
                                         request_.outOfRoundness);
        view.advice = AdviseInteraction(s_, view.collapse);
        WriteColumnHeaders(s_.ComponentCode, request_, view);
        if (!FillRows(view, span)) return Stopped(*error_.text);
        view.weightInAir = format_.Number(s_.WeightInAir * format_.Factor(request_.weightUnit));
        view.weightInWater = format_.Number(s_.WeightInWater * format_.Factor(request_.weightUnit));
        HighlightFailedRows(view, span);
        AddNotices(view);
        view.failurePressure = s_.FailurePressure;
        view.failureMode =
            s_.ComponentCode == kAnnularPlateComponent ? s_.PlateFailureMode : s_.FailureMode;
        view.lobeCount = s_.LobeCount;
        view.wallTheory = s_.WallTheory;
        view.plateStressTable = s_.PlateStressTable;
        view.recalcEnabled = false;
        view.recalcTag = "DONE";
        return view;
    }

private:
    ResultsView Stopped(const std::string& why) const {
        ResultsView view;
        view.componentCode = s_.ComponentCode;
        view.error = StopMessage(why);
        return view;
    }

    // Inputs no formula can analyse (validation refuses them; a run reached some other way
    // must still not show a table built on them).
    std::optional<std::string> InputProblem() const {
        const int16_t code = s_.ComponentCode;
        if (!IsKnownComponent(code)) {
            return std::string(
                "The analysis cannot be completed. The design has no body or "
                "endcap that can be analysed.");
        }
        const bool annular = code == kAnnularPlateComponent;
        if (IsPlate(code) && (s_.EdgeRestraint < 0 || s_.EdgeRestraint > (annular ? 11 : 1))) {
            return std::string(
                "The analysis cannot be completed. No edge restraint is chosen "
                "for the plate.");
        }
        if (annular && s_.UniformLoadOn == 0 && s_.LineLoadOn == 0) {
            return std::string(
                "The analysis cannot be completed. No loading is selected for "
                "the endcap.");
        }
        return std::nullopt;
    }

    bool RunFailureSearch(ResultsView& view) {
        if (s_.ComponentCode == kAnnularPlateComponent) {
            PlateFailureSettings settings;
            settings.materialClass = materialClass_;
            settings.failureUnit = request_.failureUnit;
            settings.unitSystem = design_.UnitSystem;
            settings.increments = RadialIncrements(design_.EndcapDim[5]);
            settings.recalculatingAtTypedDiameter = request_.recalculatingAtTypedDiameter;
            PlateFailureResult result = FindPlateFailurePressures(s_, settings, format_);
            if (result.error) {
                error_.Raise(*result.error);
                return false;
            }
            view.failure = std::move(result.frame);
            return ChooseAnnularEvalRadius();
        }
        FailureSearchSettings settings;
        settings.materialClass = materialClass_;
        settings.failureUnit = request_.failureUnit;
        settings.unitSystem = design_.UnitSystem;
        FailureSearchResult result = FindFailurePressures(s_, settings, format_);
        if (result.error) {
            error_.Raise(*result.error);
            return false;
        }
        view.failure = std::move(result.frame);
        evalRadius_ =
            s_.ComponentCode == kCircularPlateComponent ? s_.TableEvalRadius : s_.InnerRadius;
        return true;
    }

    // The annular table is evaluated at the typed diameter during a recalculation, otherwise
    // at the governing radius itself (not at its rounded text).
    bool ChooseAnnularEvalRadius() {
        if (!request_.recalculatingAtTypedDiameter) {
            evalRadius_ = s_.PlateFailureRadii[0];
            return true;
        }
        const EvalDiameterCheck check =
            CheckEvaluationDiameter(design_, request_.evalDiameterText, format_.Messages());
        if (!check.inside) {
            error_.Raise(check.message ? check.message->text : NotFiniteText(s_));
            return false;
        }
        evalRadius_ = check.diameterInches / 2.0;
        return true;
    }

    bool Evaluate(double pressure) {
        if (s_.ComponentCode == kAnnularPlateComponent) {
            ComputeSelectedPlateLoads(s_, pressure, evalRadius_);
        } else {
            ComputeStresses(s_, pressure, evalRadius_, 0.0, 0.0, s_.LobeCount, 0);
        }
        if (s_.ResultNotFinite) {
            error_.Raise(NotFiniteText(s_));
            return false;
        }
        return true;
    }

    bool NotApplicable(NotApplicableRule rule) const {
        const bool internal = s_.PressureDirection == kInternalPressure;
        switch (rule) {
            case NotApplicableRule::Never:
                return false;
            case NotApplicableRule::UnlessMetal:
                return !IsMetal(materialClass_);
            case NotApplicableRule::GlassOrCeramic:
                return IsGlassOrCeramic(materialClass_);
            case NotApplicableRule::InternalPressure:
                return internal;
            case NotApplicableRule::SeatOfShell:
                return internal || s_.ComponentCode == kSphereComponent;
            case NotApplicableRule::ShearOfShell:
                return !(s_.WallTheory == kThickWallText && internal &&
                         !IsGlassOrCeramic(materialClass_));
        }
        return false;
    }

    double KindFactor(ColumnKind kind) {
        switch (kind) {
            case ColumnKind::Stress:
                return format_.Factor(request_.stressUnit);
            case ColumnKind::Deflection:
                return format_.Factor(request_.deflectionUnit);
            case ColumnKind::AngularDeflection:
                return format_.Factor(request_.angleUnit);
            default:
                return 1.0;
        }
    }

    // A value in its unit as a cell shows it; a value that is not finite stops the run.
    bool CellText(double value, std::string& text) {
        if (!std::isfinite(value)) {
            error_.Raise(NotFiniteText(s_));
            return false;
        }
        if (std::fabs(value) < kDisplayThreshold) value = 0;
        text = format_.Number(value);
        return true;
    }

    bool WriteRow(ResultsView& view, int row, double pressure) {
        view.rowPressures.push_back(pressure);
        std::vector<std::string>& cells = view.cells[static_cast<size_t>(row)];
        if (!CellText(pressure * format_.Factor(request_.pressureUnit), cells[0])) return false;
        if (pressure >= s_.FailurePressure) cells[0] += " (fail)";
        if (!CellText(pressure * format_.DepthFactor(pressure, request_.depthUnit), cells[1])) {
            return false;
        }
        const std::vector<GridColumn>& columns = ColumnsFor(s_.ComponentCode);
        for (size_t c = 0; c < columns.size(); ++c) {
            const GridColumn& column = columns[c];
            std::string& text = cells[c + 2];
            if (NotApplicable(column.rule)) {
                text = "N/A";
                continue;
            }
            const double value = column.value(s_);
            if (column.deflectionCheck && std::fabs(value) > s_.WallThickness / 2) {
                deflectionExceeded_ = true;
            }
            if (!CellText(value * KindFactor(column.kind), text)) return false;
        }
        return true;
    }

    // Twenty pressure rows from the range start to exactly its end, plus one row at the
    // governing failure pressure when it falls strictly between two of them.
    bool FillRows(ResultsView& view, const PressureSpan& span) {
        const double step = (span.end - span.start) / (kPressureRows - 1);
        const double failure = s_.FailurePressure;
        int row = kHeaderRows;
        double pressure = span.start;
        for (int k = 0; k < kPressureRows; ++k) {
            const double rowPressure = k == kPressureRows - 1 ? span.end : pressure;
            if (view.failureRow < 0 && rowPressure - step < failure && failure <= rowPressure &&
                failure >= span.start) {
                view.failureRow = row;
                if (rowPressure != failure) {
                    view.failureRowInserted = true;
                    view.rowCount = kHeaderRows + kPressureRows + 1;
                    view.cells.resize(
                        static_cast<size_t>(view.rowCount),
                        std::vector<std::string>(static_cast<size_t>(view.columnCount)));
                    if (!Evaluate(failure) || !WriteRow(view, row, failure)) return false;
                    ++row;
                }
            }
            if (!Evaluate(rowPressure) || !WriteRow(view, row, rowPressure)) return false;
            ++row;
            pressure += step;
        }
        return true;
    }

    void HighlightFailedRows(ResultsView& view, const PressureSpan& span) {
        if (s_.FailurePressure < span.start) view.failureRow = kHeaderRows;
        const int lastRow = view.rowCount - 1;
        const int lastColumn = view.columnCount - 1;
        if (view.failureRow < 0) {
            view.highlighted = CellBlock{lastRow, lastColumn, lastRow, lastColumn};
        } else {
            view.highlighted = CellBlock{view.failureRow, 0, lastRow, lastColumn};
        }
    }

    void AddNotices(ResultsView& view) {
        const int16_t code = s_.ComponentCode;
        if (IsPlastic(materialClass_)) {
            view.notices.push_back(Notice(kPlasticsNotice));
            view.materialNoticeBits |= kPlasticsNoticeShown;
        }
        if (IsGlassOrCeramic(materialClass_) &&
            (s_.PressureDirection == kInternalPressure || IsPlate(code))) {
            view.notices.push_back(Notice(kGlassNotice));
            view.materialNoticeBits |= kGlassCeramicsNoticeShown;
        }
        if (IsPlate(code) && 2 * s_.OuterRadius / s_.WallThickness < 4) {
            view.notices.push_back(Notice(kPlateRatioNotice));
        }
        if (deflectionExceeded_) view.notices.push_back(Notice(kDeflectionNotice));
        if (code == kConeComponent && s_.MeanRadius / s_.WallThickness < 10) {
            view.notices.push_back(Notice(kConeRatioNotice));
        }
    }

    const DesignRecord& design_;
    const ResultsRequest& request_;
    AnalysisState& s_;
    ResultsFormatter format_;
    const std::string materialClass_;
    RunError error_;
    double evalRadius_ = 0;
    bool deflectionExceeded_ = false;
};

}  // namespace

AnalysisState LoadAnalysisState(const DesignRecord& design, const ResultsRequest& request) {
    AnalysisState s;
    s.ComponentCode = AnalysedComponent(design);
    const auto& body = design.BodyDim;
    const auto& cap = design.EndcapDim;
    switch (s.ComponentCode) {
        case kHemisphereComponent:
        case kSphereComponent:
        case kTubeComponent:
            s.InnerRadius = body[0] / 2;
            s.OuterRadius = body[1] / 2;
            s.WallThickness = body[2];
            s.BodyLength = body[3];
            break;
        case kHemiEndcapComponent:
            s.InnerRadius = cap[0] / 2;
            s.OuterRadius = cap[1] / 2;
            s.WallThickness = cap[2];
            s.BodyLength = cap[3];
            break;
        case kConeComponent:
            s.InnerRadius = cap[0] / 2;
            s.OuterRadius = cap[1] / 2;
            s.WallThickness = cap[2];
            s.ConeHeight = cap[3];
            s.ConeMidHeight = s.ConeHeight - ((s.OuterRadius - s.InnerRadius) / 2) /
                                                 (s.OuterRadius / s.ConeHeight);
            break;
        case kCircularPlateComponent:
            s.InnerRadius = cap[1] / 2;  // the plate's full radius
            s.OuterRadius = cap[0] / 2;  // the unsupported radius
            s.WallThickness = cap[2];
            break;
        case kAnnularPlateComponent:
            s.InnerRadius = cap[3] / 2;  // hole
            s.OuterRadius = cap[0] / 2;  // free edge
            s.WallThickness = cap[2];
            s.PlateOuterRadius = cap[1] / 2;
            s.LineLoadRadius = cap[4] / 2;
            s.UniformLoadInnerRadius = cap[6] / 2;
            s.LineLoadOuterRadius = cap[7] / 2;
            break;
        default:
            break;
    }
    s.MeanRadius = (s.OuterRadius + s.InnerRadius) / 2;

    s.YieldStrength = design.YieldStrength;
    s.SecondStrength = design.SecondaryStrength;
    s.DesignStrength = UsesWorkingStrength(design, request.useWorkingStrength) ? s.SecondStrength
                                                                               : s.YieldStrength;
    s.PoissonRatio = design.PoissonsRatio;
    s.YoungsModulus = design.YoungsModulus;
    s.Density = design.Density;

    s.PressureDirection = design.PressureSource != 0 ? kExternalPressure : kInternalPressure;
    s.PressureSign = s.PressureDirection == kInternalPressure ? 1 : -1;
    s.EdgeRestraint = design.EdgeRestraint;
    s.ForceThickWall = request.forceThickWall != 0;
    s.UniformLoadOn = design.UniformLoadOn;
    s.LineLoadOn = design.LineLoadOn;
    ResetResults(s);
    return s;
}

PressureSpan PressureRangeSpan(int rangeIndex, const std::string& rangeUnit,
                               ResultsFormatter& format) {
    const int index = rangeIndex >= 0 && rangeIndex <= 5 ? rangeIndex : kDefaultRange;
    double start = kRangeStarts[index];
    double end = 20 * kRangeStarts[index];
    if (rangeUnit == "Bar") {
        start /= 100;
        end /= 100;
    }
    const double factor = format.Factor(rangeUnit);
    return PressureSpan{start / factor, end / factor};
}

void WriteColumnHeaders(int16_t componentCode, const ResultsRequest& request, ResultsView& view) {
    const std::vector<GridColumn>& columns = ColumnsFor(componentCode);
    view.rowCount = kHeaderRows + kPressureRows;
    view.columnCount = static_cast<int>(columns.size()) + 2;
    view.fixedRows = kHeaderRows;
    view.columnWidthTwips = kColumnWidthTwips;
    view.cells.assign(static_cast<size_t>(view.rowCount),
                      std::vector<std::string>(static_cast<size_t>(view.columnCount)));
    view.columnKinds = {ColumnKind::Pressure, ColumnKind::Depth};
    view.cells[0][0] = "Pressure";
    view.cells[0][1] = "Depth";
    for (size_t c = 0; c < columns.size(); ++c) {
        view.columnKinds.push_back(columns[c].kind);
        view.cells[0][c + 2] = columns[c].title;
    }
    for (size_t c = 0; c < view.columnKinds.size(); ++c) {
        std::string& unit = view.cells[1][c];
        switch (view.columnKinds[c]) {
            case ColumnKind::Pressure:
                unit = request.pressureUnit;
                break;
            case ColumnKind::Depth:
                unit = request.depthUnit;
                break;
            case ColumnKind::Stress:
                unit = "Stress, " + request.stressUnit;
                break;
            case ColumnKind::Deflection:
                unit = request.deflectionUnit;
                break;
            case ColumnKind::AngularDeflection:
                unit = request.angleUnit;
                break;
        }
    }
}

void SetResultsTitle(const AnalysisState& s, const ResultsRequest& request, ResultsView& view) {
    view.caption =
        std::string("Analysis - ") + ComponentName(s.ComponentCode) +
        (s.PressureDirection == kInternalPressure ? "Internal Pressure" : "External Pressure");
    view.materialType = request.materialCaption;
    std::string ultimate = request.primaryStrengthCaption + ":\r" + request.primaryStrengthValue +
                           " " + request.primaryStrengthUnit;
    if (request.categoryText != "Metals") {
        ultimate += "\r" + request.secondaryStrengthCaption + ":\r" +
                    request.secondaryStrengthValue + " " + request.secondaryStrengthUnit;
    }
    view.ultimate = ultimate;
    const bool annular = s.ComponentCode == kAnnularPlateComponent;
    view.annularFrameShown = annular;
    view.graphButtonShown = annular;
    view.evalRadiusLabelsShown = s.ComponentCode == kCircularPlateComponent;
}

EvalDiameterCheck CheckEvaluationDiameter(const DesignRecord& design, const std::string& text,
                                          UserMessages& messages) {
    const CaptionLength length = CaptionLengthFor(design.UnitSystem);
    EvalDiameterCheck check;
    const double typedValue = ParseNumber(text, messages);
    check.diameterInches = typedValue / length.factor;
    const float hole = SinglePrecision(design.EndcapDim[3]);
    const float free = SinglePrecision(design.EndcapDim[0]);
    const float typed = SinglePrecision(check.diameterInches);
    check.inside = hole <= typed && typed <= free;
    int16_t digits = design.SignificantDigits;
    int16_t notation = design.NumericFormat;
    const std::string holeText =
        SigDigFormat(design.EndcapDim[3] * length.factor, digits, notation);
    const std::string freeText =
        SigDigFormat(design.EndcapDim[0] * length.factor, digits, notation);
    // The stored diameters may carry more digits than they show: a diameter typed as shown
    // stands for the edge itself.
    const auto typedAsShown = [&](const std::string& shown) {
        return TrimmedBlanks(text) == shown || typedValue == std::strtod(shown.c_str(), nullptr);
    };
    if (!check.inside && (typedAsShown(holeText) || typedAsShown(freeText))) {
        check.inside = true;
        check.diameterInches = typedAsShown(holeText) ? design.EndcapDim[3] : design.EndcapDim[0];
    }
    if (!check.inside) {
        check.message = Message{
            "Evaluation Diameter must be within the range of the hole "
            "diameter (" +
                holeText + " " + length.name + ") and the free diameter (" + freeText + " " +
                length.name + ").",
            kProgramTitle, MessageIcon::Critical, MessageButtons::Ok};
    }
    return check;
}

ResultsView BuildResultsTable(const DesignRecord& design, const ResultsRequest& request,
                              UserMessages& messages, AnalysisState& finalState) {
    return TableBuilder(design, request, messages, finalState).Run();
}

std::optional<std::string> SearchFailurePressures(const DesignRecord& design,
                                                  const ResultsRequest& request,
                                                  UserMessages& messages,
                                                  AnalysisState& finalState) {
    return TableBuilder(design, request, messages, finalState).SearchOnly();
}

ResultsView BuildResultsTable(const DesignRecord& design, const ResultsRequest& request,
                              UserMessages& messages) {
    AnalysisState s;
    return BuildResultsTable(design, request, messages, s);
}

}  // namespace tidewell
