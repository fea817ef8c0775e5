// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Report inputs of every component, filled as the windows would show them. The expected reports
// under tests/report/expected/ were written out by hand from these texts.

#include <string>
#include <vector>

#include "report/ReportInput.h"

namespace tidewell::testing {

using Grid = std::vector<std::vector<std::string>>;

inline ReportInput BaseInput() {
    ReportInput in;
    in.programVersion = "4.6";
    in.timeText = "14:05:09";
    in.dateText = "2024-03-18";
    in.externalPressure = true;
    return in;
}

inline void Weights(ReportInput& in, const char* air, const char* water, const char* unit) {
    in.weightInAir = air;
    in.weightInWater = water;
    in.weightUnit = unit;
}

// The materials group as the window shows it; the second strength is shown when it has a value.
inline void Material(ReportInput& in, const char* name, ReportMaterialProperty strength,
                     ReportMaterialProperty second, ReportMaterialProperty modulus,
                     ReportMaterialProperty density, const char* poisson, const char* comment) {
    in.materialName = name;
    in.strength = strength;
    in.secondStrength = second;
    in.secondStrengthVisible = !second.value.empty();
    in.modulus = modulus;
    in.density = density;
    in.poissonRatio = poisson;
    in.comment = comment;
}

inline std::vector<ReportFailureOption> Options(std::vector<std::string> captions, int selected,
                                                int hidden = 0) {
    std::vector<ReportFailureOption> options;
    for (size_t i = 0; i < captions.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        options.push_back({captions[i], index != hidden, index == selected});
    }
    return options;
}

// Titanium tube under external pressure; the table fails from its third data row.
inline ReportInput TubeInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportTubeBody;
    in.fieldTexts = {"5.0000", "6.0000", "0.50000", "24.000", "", "", "", ""};
    in.unitTexts = {"in", "in", "in", "in", ""};
    Weights(in, "35.571", "20.842", "lbs");
    in.failureOptions = Options(
        {"Thin Wall Buckling at 15432 psi by 2 nodes",
         "Shell failure at 9876.5 psi (Thick wall eq's)", "Seat failure N/A", "Shear failure N/A"},
        2);
    Material(in, "Titanium 6Al-4V (Grade 5)", {"Yield Strength", "120", "Ksi"},
             {"Yield Strength", "", ""}, {"", "16.5", "Mpsi"}, {"", "0.16", "lb/cu in"}, "0.342",
             "Annealed bar.");
    in.grid = {
        {"Pressure", "Depth", "Max Axial", "Max Hoop", "Max Equiv", "d ID", "d OD", "d Length"},
        {"Ksi", "Ft (sea)", "Stress, Ksi", "Stress, Ksi", "Stress, Ksi", "Inches", "Inches",
         "Inches"},
        {"8.0000", "17623", "-44.000", "-87.273", "75.600", "-0.026448", "-0.026182", "-0.0075636"},
        {"9.8765 (fail)", "21702", "-54.322", "-107.75", "93.333", "-0.032653", "-0.032324",
         "-0.0093379"},
        {"10.000 (fail)", "21971", "-55.000", "-109.09", "94.500", "-0.033060", "-0.032727",
         "-0.0094545"},
    };
    return in;
}

// Glass sphere under internal pressure: second strength shown, a comment wrapped at blanks.
inline ReportInput SphereInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportSphereBody;
    in.externalPressure = false;
    in.fieldTexts = {"15.400", "17.000", "0.80000", "", "", "", "", ""};
    in.unitTexts = {"in", "in", "in", "in", ""};
    Weights(in, "27.310", "-65.551", "lbs");
    in.failureOptions =
        Options({"Thin Wall Buckling N/A", "Shell failure at 1234.5 psi (Thin wall eq's)",
                 "Seat failure N/A", "Shear failure N/A"},
                2);
    Material(
        in, "Borosilicate Glass", {"Ult. Strength (tensile)", "6", "Ksi"},
        {"Ult. Strength (comp)", "100", "Ksi"}, {"", "9.1", "Mpsi"}, {"", "2.23", "gr/cu cm"},
        "0.2",
        "Borosilicate glass, annealed. Values are for design use only, with a safety factor of "
        "four or more on the compressive strength.");
    in.grid = {
        {"Pressure", "Depth", "Max Meridional", "Max Hoop", "Max Equiv", "Max Shear", "Avg Seat",
         "d ID", "d OD"},
        {"psi", "Ft (sea)", "Stress, psi", "Stress, psi", "Stress, psi", "Stress, psi",
         "Stress, psi", "Inches", "Inches"},
        {"100.00", "225.06", "481.25", "481.25", "N/A", "N/A", "N/A", "0.00032580", "0.00035965"},
        {"200.00", "449.71", "962.50", "962.50", "N/A", "N/A", "N/A", "0.00065160", "0.00071930"},
    };
    return in;
}

// Hemisphere body of an old project; the comment holds a carriage-return line break.
inline ReportInput HemisphereInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportHemisphereBody;
    in.fieldTexts = {"200.00", "220.00", "10.000", "", "", "", "", ""};
    in.unitTexts = {"mm", "mm", "mm", "", ""};
    Weights(in, "0.91234", "0.52345", "kg");
    in.failureOptions =
        Options({"Thin Wall Buckling at 20000 psi", "Shell failure at 3500.0 psi (Thin wall eq's)",
                 "Seat failure at 5000.0 psi", "Shear failure N/A"},
                2);
    Material(in, "Aluminum 6061-T6", {"Yield Strength", "35", "Ksi"}, {}, {"", "10", "Mpsi"},
             {"", "0.098", "lb/cu in"}, "0.33", "Forged 6061-T6.\r\nCheck seat bearing.");
    in.grid = {
        {"Pressure", "Depth", "Max Meridional", "Max Hoop", "Max Equiv", "Max Shear", "Avg Seat",
         "d ID", "d OD"},
        {"Bar", "m (sea)", "Stress, Bar", "Stress, Bar", "Stress, Bar", "Stress, Bar",
         "Stress, Bar", "mm", "mm"},
        {"200.00", "2017.4", "-2205.0", "-2205.0", "2205.0", "N/A", "-1050.0", "-0.10500",
         "-0.10200"},
        {"241.32 (fail)", "2431.9", "-2660.6", "-2660.6", "2660.6", "N/A", "-1267.0", "-0.12670",
         "-0.12308"},
        {"400.00 (fail)", "4005.9", "-4410.0", "-4410.0", "4410.0", "N/A", "-2100.0", "-0.21000",
         "-0.20400"},
    };
    return in;
}

// Acrylic conical endcap in metric units; a 70-character comment without blanks.
inline ReportInput ConicalInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportConicalEndcap;
    in.fieldTexts = {"100.00", "140.00", "20.000", "60.000", "", "", "", ""};
    in.unitTexts = {"mm", "mm", "mm", "mm", ""};
    Weights(in, "0.34567", "0.045678", "kg");
    in.failureOptions =
        Options({"Thin Wall Buckling N/A", "Shell failure at 110.00 Bar (Thick wall eq's)",
                 "Seat failure at 260.00 Bar", "Shear failure N/A"},
                2);
    Material(in, "Acrylic (cast)", {"Ultimate Strength", "10", "Ksi"},
             {"Working Strength", "4.5", "Ksi"}, {"", "0.45", "Mpsi"}, {"", "1.19", "gr/cu cm"},
             "0.37", "Supplier-ref:AC-2201/PMMA/cast/clear/UV-stabilised/annealed/lot-0042-B");
    in.grid = {
        {"Pressure", "Depth", "Max Meridional", "Max Hoop", "Max Equiv", "Avg Seat", "d Radius",
         "d Height", "d Meridian"},
        {"Bar", "m (sea)", "Stress, Bar", "Stress, Bar", "Stress, Bar", "Stress, Bar", "mm", "mm",
         "Degrees"},
        {"10.000", "101.69", "-35.000", "-52.000", "N/A", "-21.000", "-0.012000", "0.0034000",
         "0.0012000"},
        {"20.000", "203.20", "-70.000", "-104.00", "N/A", "-42.000", "-0.024000", "0.0068000",
         "0.0024000"},
    };
    return in;
}

// Alumina hemispherical endcap whose failure pressure lies below the range: every row fails.
inline ReportInput HemisphericalInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportHemisphericalEndcap;
    in.fieldTexts = {"6.0000", "6.5000", "0.25000", "", "", "", "", ""};
    in.unitTexts = {"in", "in", "in", "", ""};
    Weights(in, "1.2345", "0.98765", "lbs");
    in.failureOptions =
        Options({"Thin Wall Buckling at 123456 psi", "Shell failure at 8765.4 psi (Thin wall eq's)",
                 "Seat failure at 9876.5 psi", "Shear failure N/A"},
                2);
    Material(in, "Alumina 96%", {"Ult. Strength (tensile)", "25", "Ksi"},
             {"Ult. Strength (comp)", "300", "Ksi"}, {"", "44", "Mpsi"}, {"", "0.13", "lb/cu in"},
             "0.21", "Fired alumina.");
    in.grid = {
        {"Pressure", "Depth", "Max Meridional", "Max Hoop", "Max Equiv", "Max Shear", "Avg Seat",
         "d ID", "d OD"},
        {"psi", "Ft (sea)", "Stress, psi", "Stress, psi", "Stress, psi", "Stress, psi",
         "Stress, psi", "Inches", "Inches"},
        {"10000 (fail)", "21971", "-125000", "-125000", "N/A", "N/A", "-95000", "-0.0085000",
         "-0.0081000"},
        {"20000 (fail)", "42734", "-250000", "-250000", "N/A", "N/A", "-190000", "-0.017000",
         "-0.016200"},
    };
    return in;
}

// Aluminium flat circular plate; the fourth failure option is hidden. The table is 7 columns
// whose widest first-row cell has 8 characters, so it prints on two pages.
inline ReportInput FlatCircularInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportFlatCircularEndcap;
    in.fieldTexts = {"10.000", "12.000", "1.0000", "", "", "", "", ""};
    in.unitTexts = {"in", "in", "in", "", ""};
    in.edgeRestraint = "Simply Supported";
    Weights(in, "11.084", "7.0005", "lbs");
    in.failureOptions = Options({"Radial Stress Failure at 1723.6 psi (plate center)",
                                 "Tangential Stress Failure at 1723.6 psi (plate center)",
                                 "Seat failure at 7000.0 psi", ""},
                                1, 4);
    Material(in, "Aluminum 6061-T6", {"Yield Strength", "35", "Ksi"}, {}, {"", "10", "Mpsi"},
             {"", "0.098", "lb/cu in"}, "0.33", "Plate stock\nto be stress relieved");
    in.distortionCaption1 = "Table eval dia., De = plate center for Max Radial";
    in.distortionCaption2 = "Table eval dia., De = plate center for Max Tangential";
    in.grid = {
        {"Pressure", "Depth", "De Max Radial", "De Max Tan", "Avg Seat", "CL Deflection",
         "FD Shear"},
        {"psi", "Ft (sea)", "Stress, psi", "Stress, psi", "Stress, psi", "Inches", "Stress, psi"},
        {"1000.0", "2252.2", "-8123.4", "-8123.4", "-1234.5", "0.012345", "2345.6"},
        {"2000.0 (fail)", "4495.9", "-16247", "-16247", "-2469.0", "0.024690", "4691.2"},
    };
    return in;
}

// Acrylic flat annular plate port: five failure options, the hole-edge shear one hidden.
inline ReportInput FlatAnnularInput() {
    ReportInput in = BaseInput();
    in.componentCode = kReportFlatAnnularEndcap;
    // Every field and unit its own, so that two swapped fields show in the report.
    in.fieldTexts = {"10.000", "11.000", "1.0000", "2.0000", "3.5000", "50", "4.2500", "6.7500"};
    in.unitTexts = {"in", "mm", "cm", "Ft", "m"};
    in.edgeRestraint = "Simply Supported/Free";
    Weights(in, "3.9876", "0.32100", "lbs");
    in.failureOptions = Options(
        {"Radial moment failure at 3456.7 psi (Dia. = 2.0000 inches)",
         "Tangential moment failure at 2345.6 psi (Dia. = 2.0000 inches)",
         "Shear stress failure at 45678 psi (Dia. = 2.0000 inches)",
         "Shear stress failure at 34567 psi (Dia. = 10.000 inches)", "Seat failure at 98765 psi"},
        2, 3);
    Material(in, "Acrylic (cast)", {"Ultimate Strength", "10", "Ksi"},
             {"Working Strength", "4.5", "Ksi"}, {"", "0.45", "Mpsi"}, {"", "0.043", "lb/cu in"},
             "0.37", "");
    in.distortionCaption1 = "Table eval dia., De (inches):";
    in.distortionCaption2 = "2.0000";
    in.grid = {
        {"Pressure", "Depth", "De Radial", "De Tangential", "De Shear", "De Vert Defl",
         "De Angular Defl", "HD Radial", "HD Tangential", "HD Shear", "HD Vert Defl",
         "HD Angular Defl", "FD Radial", "FD Tangential", "FD Shear", "FD Vert Defl",
         "FD Angular Defl", "Avg Seat"},
        {"psi", "Ft (sea)", "Stress, psi", "Stress, psi", "Stress, psi", "Inches", "Degrees",
         "Stress, psi", "Stress, psi", "Stress, psi", "Inches", "Degrees", "Stress, psi",
         "Stress, psi", "Stress, psi", "Inches", "Degrees", "Stress, psi"},
        {"100.00", "225.06", "-1234.5", "-4321.0", "123.45", "0.0012345", "0.012345", "-1111.1",
         "-2222.2", "111.11", "0.0011111", "0.011111", "0", "-987.65", "23.456", "0", "0.0098765",
         "-12.345"},
        {"200.00", "449.71", "-2469.0", "-8642.0", "246.90", "0.0024690", "0.024690", "-3333.3",
         "-4444.4", "333.33", "0.0033333", "0.033333", "0", "-1975.3", "46.912", "0", "0.019753",
         "-24.690"},
    };
    return in;
}

}  // namespace tidewell::testing
