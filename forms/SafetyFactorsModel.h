// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results window's "Safety factors" group without its widgets: the two factors (strength,
// buckling), kept in the preferences and not in the project, and the rating they give. Both
// fields empty means no rating; one filled field applies to both modes.

#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "analysis/Rating.h"
#include "analysis/ResultsRequest.h"
#include "project/SettingsStore.h"
#include "units/UserMessages.h"

namespace tidewell {

// Preference keys of the two factors and of the housing's endcap project.
inline const char* const kSafetyStrengthKey = "SAFETYSTRENGTH";
inline const char* const kSafetyBucklingKey = "SAFETYBUCKLING";
inline const char* const kHousingEndcapKey = "HOUSINGENDCAP";
inline const char* const kHousingBodyKey = "HOUSINGBODY";

enum class SafetyField { Strength = 0, Buckling = 1 };

// What the group shows under the fields; every text empty when no factor is given.
struct RatingShown {
    bool on = false;
    std::string ratedPressure;  // "Rated pressure: 2566.0 psi"
    std::string ratedDepth;     // "Rated depth: 1759.7 Ft (sea)"
    std::string governingMode;  // "Governing: Shell failure"
    std::string housing;        // "Housing: ..." for a body with an endcap
    std::vector<std::string> advisories;
    std::optional<std::string> error;  // a part that could not be analysed
};

class SafetyFactorsModel {
public:
    explicit SafetyFactorsModel(SettingsStore& store) : store_(store) {}

    // Reads the factors and the housing's endcap project from the preferences; a stored text that
    // is not a usable factor is ignored (the field stays empty).
    void Load();

    // Where a project is opened from: the program folder (for bare names) and the materials file.
    void SetPlaces(const std::string& programFolder, const std::string& materialsFile);

    // The housing's endcap, kept in a project of its own since a design has one part: with a
    // tube design, the rating covers the tube and this endcap, each with its own material. The
    // choice belongs to the tube's project (its path) and is kept in the preferences; another
    // project has none until one is chosen for it. Empty = none.
    std::string EndcapProject(const DesignRecord& design) const;
    void SetEndcapProject(const DesignRecord& design, const std::string& path);

    const std::string& Text(SafetyField field) const;

    // The user has typed a factor and left the field. Empty turns the factor off; a number of at
    // least 1 is kept and saved. Anything else is refused with a message and the field keeps its
    // previous text. Returns true when the shown rating changes.
    bool FieldCommitted(SafetyField field, const std::string& text, UserMessages& messages);

    // The factors in force, or nothing when both fields are empty.
    std::optional<SafetyFactors> Factors() const;

    // The rating of the design with the window's request (the texts in its pressure and depth
    // units), or an empty RatingShown when no factor is given.
    RatingShown Rate(const DesignRecord& design, const ResultsRequest& request,
                     UserMessages& messages) const;

    // The report's rating block (RatingBlock) with these factors; empty when no factor is given
    // or a part could not be analysed.
    std::vector<std::vector<std::string>> ReportLines(const DesignRecord& design,
                                                      const ResultsRequest& request,
                                                      UserMessages& messages) const;

private:
    // The design alone, or for a tube with its endcap project chosen, the housing.
    HousingRating RateParts(const DesignRecord& design, const ResultsRequest& request,
                            const SafetyFactors& factors, UserMessages& messages) const;

    SettingsStore& store_;
    std::string programFolder_;
    std::string materialsFile_;
    std::string endcapProject_;
    std::string housingBody_;  // the project path of the tube the endcap belongs to
    std::string texts_[2];
    double values_[2] = {0, 0};
};

}  // namespace tidewell
