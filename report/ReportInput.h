// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every text the analysis report quotes, exactly as the windows show it. The report computes
// nothing: the windows (or the command-line program) fill this record from what is on screen and
// the report only lays the texts out, so a report always agrees with the screen.

#include <array>
#include <string>
#include <vector>

namespace tidewell {

// Component codes of an analysed component, as the report names them.
inline constexpr int kReportFlatAnnularEndcap = 1;
inline constexpr int kReportConicalEndcap = 2;
inline constexpr int kReportHemisphericalEndcap = 3;
inline constexpr int kReportFlatCircularEndcap = 4;
inline constexpr int kReportHemisphereBody = 8;
inline constexpr int kReportSphereBody = 9;
inline constexpr int kReportTubeBody = 10;

// One failure option button of the results window.
struct ReportFailureOption {
    std::string caption;
    bool visible = true;
    bool selected = false;
};

// One material property as the materials window shows it: caption, value text, unit text.
struct ReportMaterialProperty {
    std::string label;
    std::string value;
    std::string unit;
};

struct ReportInput {
    // Header
    std::string programVersion;  // "4.6"
    std::string timeText;        // time of the report, as the platform writes a short time
    std::string dateText;        // date of the report, as the platform writes a short date

    // Configuration
    int componentCode = 0;  // 1 to 4 endcaps, 8 to 10 bodies
    bool externalPressure = true;

    // Geometry editor of the component: field texts (Var by index) and unit texts (UnitBox by
    // index). The flat annular plate uses fields 0 to 7 and unit lists 0 to 4; the three load
    // fields 4, 6 and 7 share unit list 4. Field 5 is the count of radial increments.
    std::array<std::string, 8> fieldTexts{};
    std::array<std::string, 5> unitTexts{};
    std::string edgeRestraint;  // the design form's edge-restraint entry

    // Results window: weights
    std::string weightInAir;
    std::string weightInWater;
    std::string weightUnit;

    // Results window: the failure option buttons in index order (AEndFailType 1 to 5 for the flat
    // annular plate, FailType 1 to 4 otherwise).
    std::vector<ReportFailureOption> failureOptions;

    // Lines written right after the failure results, fields split at tabs: the collapse estimate
    // when the results window shows it (or the command line asks for it). Empty otherwise.
    std::vector<std::vector<std::string>> collapseLines;

    // Lines written after those, fields split at tabs: the rating with the
    // designer's safety factors and its notes. Empty when no factors were given.
    std::vector<std::vector<std::string>> ratingLines;

    // Material
    std::string materialName;
    ReportMaterialProperty strength;        // YsLabel, YsVal, YsUnitsList
    ReportMaterialProperty secondStrength;  // Ys2Label, Ys2Val, Ys2UnitsList
    bool secondStrengthVisible = false;     // the second-strength group is shown
    ReportMaterialProperty modulus;         // label unused: the report writes its own
    ReportMaterialProperty density;         // label unused: the report writes its own
    std::string poissonRatio;
    std::string comment;

    // Distortion captions: for the flat annular plate the evaluation-diameter label and the
    // evaluation diameter text; for the flat circular plate the two evaluation-diameter labels.
    std::string distortionCaption1;
    std::string distortionCaption2;

    // The results grid: rows 0 and 1 are the headings, data rows start at row 2. Rows are
    // expected to have the same number of cells; a short row is treated as having empty cells.
    std::vector<std::vector<std::string>> grid;
};

}  // namespace tidewell
