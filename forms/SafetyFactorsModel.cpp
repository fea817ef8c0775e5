// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/SafetyFactorsModel.h"

#include <cmath>

#include "analysis/DesignValidation.h"
#include "analysis/ResultsFormat.h"
#include "project/OpenProject.h"
#include "project/Registry.h"
#include "report/RatingReport.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

const char* KeyOf(int field) {
    return field == 0 ? kSafetyStrengthKey : kSafetyBucklingKey;
}

// A factor read from text: a number of at least 1, or nothing.
std::optional<double> FactorOf(const std::string& text, UserMessages& messages) {
    QuietMessages quiet;
    const double value = ParseNumber(text, quiet);
    if (quiet.count > 0 || !std::isfinite(value) || value < kMinSafetyFactor) {
        messages.Show(Message{"A safety factor must be a number of at least 1, not \"" + text +
                                  "\". Leave both fields empty for no rating.",
                              kProgramTitle, MessageIcon::Exclamation, MessageButtons::Ok});
        return std::nullopt;
    }
    return value;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void SafetyFactorsModel::Load() {
    Registry registry(store_);
    for (int field = 0; field < 2; ++field) {
        std::string text;
        texts_[field].clear();
        values_[field] = 0;
        if (!ReadPreference(registry, KeyOf(field), text) || Trimmed(text).empty()) continue;
        QuietMessages quiet;
        if (const std::optional<double> value = FactorOf(Trimmed(text), quiet)) {
            texts_[field] = Trimmed(text);
            values_[field] = *value;
        }
    }
    endcapProject_.clear();
    housingBody_.clear();
    ReadPreference(registry, kHousingEndcapKey, endcapProject_);
    ReadPreference(registry, kHousingBodyKey, housingBody_);
}

void SafetyFactorsModel::SetPlaces(const std::string& programFolder,
                                   const std::string& materialsFile) {
    programFolder_ = programFolder;
    materialsFile_ = materialsFile;
}

std::string SafetyFactorsModel::EndcapProject(const DesignRecord& design) const {
    return design.BodyType == kTubeBody && design.ProjectFilePath == housingBody_ ? endcapProject_
                                                                                  : std::string();
}

void SafetyFactorsModel::SetEndcapProject(const DesignRecord& design, const std::string& path) {
    endcapProject_ = path;
    housingBody_ = path.empty() ? std::string() : design.ProjectFilePath;
    Registry registry(store_);
    WritePreference(registry, kHousingEndcapKey, endcapProject_);
    WritePreference(registry, kHousingBodyKey, housingBody_);
}

HousingRating SafetyFactorsModel::RateParts(const DesignRecord& design,
                                            const ResultsRequest& request,
                                            const SafetyFactors& factors,
                                            UserMessages& messages) const {
    const std::string endcapProject = EndcapProject(design);
    if (endcapProject.empty()) return RateDesign(design, request, factors, messages);
    // The endcap project is read afresh for every rating, so its own edits count. Its notices were
    // shown when it was analysed on its own; what stops the rating comes back as the error.
    HousingRating housing;
    QuietMessages quiet;
    const ProjectOpenedAfresh opened =
        OpenProjectAfresh(endcapProject, programFolder_, materialsFile_, quiet);
    const DesignRecord& endcap = opened.design;
    if (!opened.result.opened) {
        housing.error = "The housing's endcap project \"" + endcapProject + "\" cannot be read.";
        return housing;
    }
    const ValidationResult check = ValidateDesign(endcap);
    if (!check.IsValid()) {
        std::string faults = check.text;
        for (char& c : faults) {
            if (c == '\r') c = '\n';
        }
        housing.error = "The housing's endcap project " + opened.result.caption +
                        " is not a valid design:" + faults;
        return housing;
    }
    return RateHousing(design, request, endcap, factors, quiet);
}

const std::string& SafetyFactorsModel::Text(SafetyField field) const {
    return texts_[static_cast<int>(field)];
}

bool SafetyFactorsModel::FieldCommitted(SafetyField field, const std::string& typed,
                                        UserMessages& messages) {
    const int index = static_cast<int>(field);
    const std::string text = Trimmed(typed);
    if (text == texts_[index]) return false;
    double value = 0;
    if (!text.empty()) {
        const std::optional<double> factor = FactorOf(text, messages);
        if (!factor) return false;
        value = *factor;
    }
    texts_[index] = text;
    values_[index] = value;
    Registry registry(store_);
    WritePreference(registry, KeyOf(index), text);
    return true;
}

std::optional<SafetyFactors> SafetyFactorsModel::Factors() const {
    const bool strength = !texts_[0].empty();
    const bool buckling = !texts_[1].empty();
    if (!strength && !buckling) return std::nullopt;
    return SafetyFactors{strength ? values_[0] : values_[1], buckling ? values_[1] : values_[0]};
}

RatingShown SafetyFactorsModel::Rate(const DesignRecord& design, const ResultsRequest& request,
                                     UserMessages& messages) const {
    RatingShown shown;
    const std::optional<SafetyFactors> factors = Factors();
    if (!factors) return shown;
    shown.on = true;
    const HousingRating housing = RateParts(design, request, *factors, messages);
    if (!housing.Ok()) {
        shown.error = housing.error;
        return shown;
    }
    ResultsFormatter format(design.SignificantDigits, design.NumericFormat, messages);
    const RatingUnits units{request.pressureUnit, request.depthUnit};
    const Rating& rating = housing.parts.front().rating;
    shown.ratedPressure = "Rated pressure: " + RatedPressureText(rating, units, format);
    shown.ratedDepth = "Rated depth: " + RatedDepthText(rating, units, format);
    shown.governingMode = "Governing: " + (rating.rated ? rating.governingMode : "N/A");
    if (housing.IsHousing()) shown.housing = HousingText(housing, units, format);
    shown.advisories = AdvisoryTexts(housing, units, format);
    return shown;
}

std::vector<std::vector<std::string>> SafetyFactorsModel::ReportLines(
    const DesignRecord& design, const ResultsRequest& request, UserMessages& messages) const {
    const std::optional<SafetyFactors> factors = Factors();
    if (!factors) return {};
    const HousingRating housing = RateParts(design, request, *factors, messages);
    if (!housing.Ok()) return {};
    ResultsFormatter format(design.SignificantDigits, design.NumericFormat, messages);
    return RatingBlock(housing, *factors, RatingUnits{request.pressureUnit, request.depthUnit},
                       format);
}

}  // namespace tidewell
