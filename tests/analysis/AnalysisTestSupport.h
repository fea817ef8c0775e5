#pragma once
// Helpers shared by the analysis tests: row names for parameterised tables, the five-digit number
// format of the results view, and the three reference materials on a titled design.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "analysis/AnalysisState.h"
#include "analysis/DesignRecord.h"
#include "units/NumberFormat.h"

namespace tidewell::testing {

// Pi as the program rounds it, and pi to the precision of a double.
constexpr double kPiValue = 3.141592654;
constexpr double kPiExact = 3.14159265358979323846;

// Names each generated test after the `name` field of its row.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

// A number as the results view shows it: `digits` significant digits, fixed notation.
inline std::string Fmt(double v, int16_t digits = 5) {
    int16_t n = digits, notation = kFixedNotation;
    return SigDigFormat(v, n, notation);
}

// An aluminium alloy.
inline void SetMetal(DesignRecord& d) {
    d.MaterialName = d.LoadedMaterialName = "6061-T6";
    d.MaterialClass = "Metals";
    d.YoungsModulus = 10.0e6;
    d.PoissonsRatio = 0.33;
    d.Density = 0.098;
    d.YieldStrength = 35000;
    d.SecondaryStrength = 0;
}

// A plastic: ultimate and working strength.
inline void SetPlastic(DesignRecord& d) {
    d.MaterialName = d.LoadedMaterialName = "Acetal";
    d.MaterialClass = "Plastics";
    d.YoungsModulus = 4.5e5;
    d.PoissonsRatio = 0.35;
    d.Density = 0.051;
    d.YieldStrength = 10000;
    d.SecondaryStrength = 3000;
}

// A glass: tensile and compressive strength.
inline void SetGlass(DesignRecord& d) {
    d.MaterialName = d.LoadedMaterialName = "Borosilicate";
    d.MaterialClass = "Glass";
    d.YoungsModulus = 9.1e6;
    d.PoissonsRatio = 0.2;
    d.Density = 0.081;
    d.YieldStrength = 7000;        // tensile
    d.SecondaryStrength = 100000;  // compressive
}

// A titled design of the metal whose body geometry has been accepted; no component chosen yet.
inline DesignRecord TitledMetal() {
    DesignRecord d;
    d.ProjectTitle = "Housing";
    d.BodyGeometryValid = kTrue;
    SetMetal(d);
    return d;
}

}  // namespace tidewell::testing
