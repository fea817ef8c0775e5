// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/CliSizing.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/DesignValidation.h"
#include "analysis/ResultsFormat.h"
#include "analysis/Sizing.h"
#include "app/cli/CliAnalysis.h"
#include "app/cli/CliOutput.h"
#include "project/FileAccess.h"
#include "project/ProjectWriter.h"
#include "report/RatingReport.h"
#include "report/ReportLines.h"
#include "units/Units.h"

namespace tidewell::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
    interrupted = 1;
}

// Values in a sweep from which progress is shown.
constexpr int kProgressFrom = 100;

const char* DimensionLabel(SizedDimension dimension) {
    switch (dimension) {
        case SizedDimension::Wall:
            return "Wall thickness";
        case SizedDimension::OuterDiameter:
            return "Outer diameter";
        case SizedDimension::InnerDiameter:
            return "Inner diameter";
        case SizedDimension::Length:
            return "Length";
    }
    return "";
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The length unit the project keeps the dimension in ("in" when it names none).
std::string ProjectUnit(const DesignRecord& design, const DimensionChoice& choice) {
    const size_t field = static_cast<size_t>(DimensionField(choice));
    const double index =
        VariedScope(design) == kEndcapEditorScope
            ? (field < design.EndcapDimUnit.size() ? design.EndcapDimUnit[field] : 0)
            : design.BodyDimUnit[field];
    const std::vector<std::string>& units = LengthUnitList();
    const int position = static_cast<int>(index);
    return position >= 0 && position < static_cast<int>(units.size())
               ? units[static_cast<size_t>(position)]
               : units[0];
}

// What both commands share: the design with the command line's digits, its request, the
// formatter and the units.
struct Session {
    DesignRecord design;
    ResultsRequest request;
    RatingUnits units;
    std::string lengthUnit;
    double lengthFactor = 1;

    Session(const DesignRecord& d, const CliOptions& options, const std::string& unit,
            CliMessages& messages)
        : design(d) {
        if (options.digits) design.SignificantDigits = static_cast<int16_t>(*options.digits);
        if (options.notation) design.NumericFormat = static_cast<int16_t>(*options.notation);
        request = DefaultResultsRequest(design);
        if (options.outOfRoundness) request.outOfRoundness = *options.outOfRoundness;
        units = RatingUnitsFor(request, options);
        lengthUnit = unit;
        lengthFactor = Conversion(unit, messages);
    }

    std::string Length(double inches, ResultsFormatter& format) const {
        return format.Number(inches * lengthFactor) + " " + lengthUnit;
    }
};

std::string RangeText(const SizingResult& result, const Session& session,
                      ResultsFormatter& format) {
    const double low = std::min(result.scanned.weakest, result.scanned.strongest);
    const double high = std::max(result.scanned.weakest, result.scanned.strongest);
    return format.Number(low * session.lengthFactor) + " to " + session.Length(high, format);
}

std::string RefusalText(const SizingResult& result, const std::string& dimension,
                        const std::string& target, const Session& session,
                        ResultsFormatter& format) {
    const std::string range = RangeText(result, session, format);
    Rating best;
    best.rated = true;
    best.ratedPressure = result.bestRatedPressure;
    switch (result.refusal) {
        case SizingResult::Refusal::NoneReaches:
            return "No " + dimension + " from " + range + " reaches " + target +
                   ": the highest rated depth in that range is " +
                   RatedDepthText(best, session.units, format) + ", at " +
                   session.Length(result.bestValue, format) + ".";
        case SizingResult::Refusal::AllReach:
            return "Every " + dimension + " from " + range + " reaches " + target +
                   ": there is no limiting value to find.";
        case SizingResult::Refusal::NotMonotonic:
            return "The rated depth is not monotonic in the " + dimension + " over " + range +
                   " (" + std::to_string(result.valuesScanned) +
                   " values scanned): " + session.Length(result.reachingValue, format) +
                   " reaches " + target + " but " + session.Length(result.failingValue, format) +
                   " does not.";
        default:
            return result.problem;
    }
}

// Notes on the other part of a housing when it rates below the target.
void NoteOtherPart(const DesignRecord& resized, const DesignRecord* endcapDesign,
                   const Session& session, const SafetyFactors& factors, double targetPressure,
                   ResultsFormatter& format, CliMessages& messages) {
    const HousingRating housing =
        RateDesign(resized, session.request, factors, messages, endcapDesign);
    if (!housing.Ok() || !housing.IsHousing()) return;
    const PartRating& other = housing.parts.back();
    if (other.rating.rated && other.rating.ratedPressure < targetPressure) {
        messages.Line("note: The endcap rates to " +
                      RatedDepthText(other.rating, session.units, format) + " (" +
                      other.rating.governingMode + "), below the target.");
    }
}

}  // namespace

int SizeCommand(const DesignRecord& design, const CliOptions& options, CliMessages& messages,
                const DesignRecord* endcapDesign) {
    if (auto problem = DimensionProblem(design, options.vary)) {
        messages.Line(*problem);
        return kExitInputError;
    }
    const Session session(design, options, ProjectUnit(design, options.vary), messages);
    ResultsFormatter format(session.design.SignificantDigits, session.design.NumericFormat,
                            messages);
    const SafetyFactors factors = options.safety.value_or(SafetyFactors{});
    const double target = PressureAtDepth(options.targetDepth, session.units.depthUnit, messages);
    const std::string targetText =
        format.Number(options.targetDepth) + " " + session.units.depthUnit;
    const std::string dimension = Lower(DimensionLabel(options.vary.dimension));

    const SizingResult result =
        SizeDimension(session.design, session.request, options.vary, factors, target, messages);
    if (!result.found) {
        messages.Line(RefusalText(result, dimension, targetText, session, format));
        return kExitInputError;
    }
    std::string text = std::string(DimensionLabel(options.vary.dimension)) + ": " +
                       session.Length(result.value, format) + "\n";
    text += "Rated depth: " + RatedDepthText(result.part.rating, session.units, format) + "\n";
    text += "Governing mode: " + result.part.rating.governingMode + "\n";
    for (const std::string& note :
         AdviceTexts(result.part.advice, session.units.pressureUnit, format)) {
        messages.Line("note: " + note);
    }
    CliOptions toStandardOutput = options;
    toStandardOutput.outputPath.reset();
    const int status = WriteOutput(text, toStandardOutput, messages);
    if (status != kExitOk) return status;

    DesignRecord resized = WithDimension(design, options.vary, result.value);
    NoteOtherPart(resized, endcapDesign, session, factors, target, format, messages);
    if (options.outputPath && !WriteProject(resized, *options.outputPath, messages)) {
        return kExitInputError;
    }
    return kExitOk;
}

int SweepCommand(const DesignRecord& design, const CliOptions& options, CliMessages& messages) {
    if (auto problem = DimensionProblem(design, options.vary)) {
        messages.Line(*problem);
        return kExitInputError;
    }
    const Session session(design, options,
                          options.valueUnit.value_or(ProjectUnit(design, options.vary)), messages);
    ResultsFormatter format(session.design.SignificantDigits, session.design.NumericFormat,
                            messages);
    const SafetyFactors factors = options.safety.value_or(SafetyFactors{});
    const std::string label = DimensionLabel(options.vary.dimension);
    for (const double end : {options.from, options.to}) {
        const ValidationResult validation =
            ValidateDesign(WithDimension(session.design, options.vary, end / session.lengthFactor));
        if (!validation.IsValid()) {
            messages.Line("At a " + Lower(label) + " of " + format.Number(end) + " " +
                          session.lengthUnit + " the design is not valid:");
            messages.Show(validation.AsMessage());
            return kExitInvalidDesign;
        }
    }

    const int count = options.steps + 1;
    const std::string& failureUnit = session.request.failureUnit;
    std::vector<std::vector<std::string>> rows;
    std::string written;
    const bool toFile = options.outputPath.has_value();
    interrupted = 0;
    const auto previousHandler = std::signal(SIGINT, OnInterrupt);
    int status = kExitOk;
    int reported = 0;
    std::vector<std::string> previousNotes;
    for (int k = 0; k < count && status == kExitOk; ++k) {
        if (interrupted) {
            messages.Line("sweep: stopped after " + std::to_string(k) + " of " +
                          std::to_string(count) + " values");
            status = kExitInterrupted;
            break;
        }
        const double value = k == count - 1
                                 ? options.to
                                 : options.from + (options.to - options.from) * k / options.steps;
        PartRating part;
        const DesignRecord varied =
            WithDimension(session.design, options.vary, value / session.lengthFactor);
        if (auto why =
                RatePart(varied, VariedScope(varied), session.request, factors, messages, part)) {
            messages.Show(StopMessage(*why));
            status = kExitInputError;
            break;
        }
        // The advisories of a row, noted where they differ from the row before, not for every row.
        std::vector<std::string> notes;
        for (const std::string& note :
             AdviceTexts(part.advice, session.units.pressureUnit, format)) {
            notes.push_back(note.substr(0, note.find_first_of("(:")));
        }
        if (notes != previousNotes) {
            for (const std::string& note :
                 AdviceTexts(part.advice, session.units.pressureUnit, format)) {
                messages.Line("note: at " + Lower(label) + " " + format.Number(value) + " " +
                              session.lengthUnit + ": " + note);
            }
            previousNotes = notes;
        }
        std::vector<std::vector<std::string>> lines;
        if (k == 0) {
            std::vector<std::string> header = {label + " (" + session.lengthUnit + ")"};
            for (const ModeFailure& mode : part.modes) {
                header.push_back(mode.name + " (" + failureUnit + ")");
            }
            header.push_back("Governing mode");
            if (options.safety) header.push_back("Rated depth (" + session.units.depthUnit + ")");
            lines.push_back(header);
        }
        std::vector<std::string> row = {format.Number(value)};
        for (const ModeFailure& mode : part.modes) {
            row.push_back(mode.Applies() ? format.FailureValue(mode.pressure, failureUnit) : "N/A");
        }
        const std::string governing = GoverningFailureMode(part);
        row.push_back(governing.empty() ? "N/A" : governing);
        if (options.safety) {
            row.push_back(part.rating.rated ? format.FailureValue(part.rating.ratedPressure,
                                                                  session.units.depthUnit)
                                            : "N/A");
        }
        lines.push_back(row);
        std::string text;
        if (options.csv) {
            text = CsvTable(lines);
        } else {
            for (const auto& line : lines) text += JoinWithTabs(line) + "\n";
        }
        if (toFile) {
            written += text;
        } else {
            status = WriteOutput(text, options, messages);
        }
        const int percent = (k + 1) * 100 / count;
        if (count >= kProgressFrom && percent / 10 > reported) {
            reported = percent / 10;
            messages.Line("sweep: " + std::to_string(reported * 10) + " % (" +
                          std::to_string(k + 1) + " of " + std::to_string(count) + " values)");
        }
    }
    std::signal(SIGINT, previousHandler);
    if (toFile && (status == kExitOk || status == kExitInterrupted)) {
        const int writtenStatus = WriteOutput(written, options, messages);
        if (writtenStatus != kExitOk) return writtenStatus;
    }
    return status;
}

}  // namespace tidewell::cli
