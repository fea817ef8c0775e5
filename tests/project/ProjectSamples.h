// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sample designs and project files written out by hand for the reader and writer tests.

#include <string>
#include <vector>

#include "analysis/DesignOperations.h"
#include "project/DesignFormState.h"

namespace tidewell::testing {

// A titanium tube in English units; its file is HandWrittenTubeLines(). The fields not set here
// keep the new project's values.
inline DesignRecord SampleTubeDesign() {
    DesignRecord design;
    NewProject(design);
    design.ProjectTitle = "Deep probe, mark 2";
    design.ProjectDescription = "Titanium housing, 6000 m rated";
    design.DesignerName = "Ana M\xC3\xBCller";
    design.BodyType = kTubeBody;
    design.MaterialName = "Titanium 6Al-4V";
    design.PressureSource = 1;
    design.ForceThickWall = 1;
    design.HomeFormLeft = 250;
    design.HomeFormTop = 300;
    design.BodyDim = {4.5, 5.25, 0.375, 12, 0};
    design.BodyDimEntered = {114.3, 133.35, 9.525, 304.8, 0};
    design.BodyDimUnit = {1, 1, 1, 1, -1};
    design.BodyVolume = 190.85;
    design.BodyFormHeight = design.EndcapFormHeight = 4125;
    design.EndcapDim = {0.25, 1.5e-5, 0, 0, 0, 0, 0, 0};
    design.EndcapDimEntered = {1e15, -2.5, 0, 0, 0, 50, 0, 0};
    design.RangeUnit = "psi";
    design.FailureUnit = "psi";
    design.WeightUnit = "lbs";
    design.PressureUnit = "psi";
    design.DepthUnit = "Ft (sea)";
    design.StressUnit = "Ksi";
    design.DeflectionUnit = "Inches";
    return design;
}

// The file of SampleTubeDesign, line by line as this release writes it (Windows-1252 bytes).
inline std::vector<std::string> HandWrittenTubeLines() {
    // clang-format off
    return {
        "Tidewell Ver. 4.6  Brackwater",   // 1 header
        "Deep probe, mark 2",              // 2 title
        "Titanium housing, 6000 m rated",  // 3 description
        "Ana M\xFCller",                   // 4 designer, u-umlaut in Windows-1252
        "",                                // 5 reserved
        "",                                // 6 reserved
        " 5",                              // 7 significant digits
        " 10",                             // 8 tube
        " 0",                              // 9 no endcap
        "Titanium 6Al-4V",                 // 10 material
        " 1",                              // 11 external
        " 0",                              // 12 English
        " 1",                              // 13 force thick wall
        " 0",                              // 14 working strength
        " 4",                              // 15 pressure range
        " 250",                            // 16 design form left
        " 300",                            // 17 design form top
        " 4.5",   " 114.3",  " 1",         // 18-20 inside diameter
        " 5.25",  " 133.35", " 1",         // 21-23 outside diameter
        " .375",  " 9.525",  " 1",         // 24-26 wall
        " 12",    " 304.8",  " 1",         // 27-29 length
        " 0",     " 0",      "-1",         // 30-32 spare
        " 190.85",                         // 33 body volume
        " 0",                              // 34 reserved
        " 1000",  " 1000",   " 4125",      // 35-37 body editor
        " .25",   " 1E+15",  "-1",         // 38-40 endcap 0
        " 1.5E-05", "-2.5",  "-1",         // 41-43 endcap 1
        " 0",     " 0",      "-1",         // 44-46 endcap 2
        " 0",     " 0",      "-1",         // 47-49 endcap 3
        " 0",     " 0",      "-1",         // 50-52 endcap 4
        " 0",     " 50",                   // 53-54 iterations
        " 0",     " 0",                    // 55-56 endcap 6
        " 0",     " 0",                    // 57-58 endcap 7
        " 0",                              // 59 endcap volume
        " 0",                              // 60 reserved
        "-1",     "-1",      " 0",  "-1",  // 61-64 loads, option, restraint
        " 1250",  " 1250",   " 4125",      // 65-67 endcap editor
        "psi",    "psi",     "lbs", "psi", // 68-71 range, failure, weight, pressure
        "Ft (sea)", "Ksi",   "Inches", "Degrees",  // 72-75 depth, stress, deflection, angle
    };
    // clang-format on
}

// An endcap-only flat annular plate, line by line, with restraint 7.
inline std::vector<std::string> AnnularPlateLines() {
    std::vector<std::string> lines = HandWrittenTubeLines();
    lines[1] = "Annular window";
    lines[7] = " 0";   // no body
    lines[8] = " 1";   // flat annular
    lines[37] = " 3";  // endcap 0: free diameter
    lines[38] = " 3";
    lines[39] = " 0";
    lines[40] = " 5";  // outside diameter
    lines[41] = " 5";
    lines[42] = " 0";
    lines[63] = " 7";  // "Simply Supported/Fixed"
    return lines;
}

}  // namespace tidewell::testing
