// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the analysis tests: row names, the results view's number format, reference
// materials, engine states and designs.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
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

// A material: name, class, modulus, Poisson's ratio, density, primary and secondary strength.
inline void SetMaterial(DesignRecord& d, const char* name, const char* materialClass, double E,
                        double nu, double density, double strength, double second) {
    d.MaterialName = d.LoadedMaterialName = name;
    d.MaterialClass = materialClass;
    d.YoungsModulus = E;
    d.PoissonsRatio = nu;
    d.Density = density;
    d.YieldStrength = strength;
    d.SecondaryStrength = second;
}

// An aluminium alloy; a plastic with its ultimate and working strength; a glass with its tensile
// and compressive strength.
inline void SetMetal(DesignRecord& d) {
    SetMaterial(d, "6061-T6", "Metals", 10.0e6, 0.33, 0.098, 35000, 0);
}
inline void SetPlastic(DesignRecord& d) {
    SetMaterial(d, "Acetal", "Plastics", 4.5e5, 0.35, 0.051, 10000, 3000);
}
inline void SetGlass(DesignRecord& d) {
    SetMaterial(d, "Borosilicate", "Glass", 9.1e6, 0.2, 0.081, 7000, 100000);
}

// A component's state as the engine receives it: radii, wall, material, pressure side.
inline AnalysisState EngineState(int16_t code, double inner, double outer, double t, double E,
                                 double nu, bool internal = false) {
    AnalysisState s;
    s.ComponentCode = code;
    s.InnerRadius = inner;
    s.OuterRadius = outer;
    s.WallThickness = t;
    s.MeanRadius = (inner + outer) / 2;
    s.YoungsModulus = E;
    s.PoissonRatio = nu;
    s.Density = 0.283;
    s.PressureDirection = internal ? kInternalPressure : kExternalPressure;
    s.PressureSign = internal ? 1 : -1;
    return s;
}

// Relative closeness, with a floor for values that should be zero.
inline void ExpectRel(double actual, double expected, double tol, const std::string& what) {
    EXPECT_NEAR(actual, expected, tol * std::fabs(expected) + 1e-12) << what;
}

// A titled design of the metal whose body geometry has been accepted; no component chosen yet.
inline DesignRecord TitledMetal() {
    DesignRecord d;
    d.ProjectTitle = "Housing";
    d.BodyGeometryValid = kTrue;
    SetMetal(d);
    return d;
}

// A titled metal endcap of the given type, dimensions and edge restraint.
inline DesignRecord MetalEndcap(int16_t type, std::array<double, 8> dims, int16_t restraint = 0) {
    DesignRecord d = TitledMetal();
    d.EndcapType = type;
    d.EndcapDim = dims;
    d.EdgeRestraint = restraint;
    return d;
}

// The same endcap under external pressure.
inline DesignRecord ExternalEndcap(int16_t type, std::array<double, 8> dims, int16_t restraint) {
    DesignRecord d = MetalEndcap(type, dims, restraint);
    d.PressureSource = 1;
    return d;
}

// A titled metal body of the given type and dimensions under external pressure.
inline DesignRecord ExternalBody(int16_t type, std::array<double, 5> dims) {
    DesignRecord d = TitledMetal();
    d.BodyType = type;
    d.BodyDim = dims;
    d.PressureSource = 1;
    return d;
}

// A flat annular plate under external pressure, uniform and line load on, outer edge simply
// supported and hole edge free: free diameter 6, O.D. 7, thickness 0.5, hole 1, line load at 4.
inline DesignRecord AnnularMetal() {
    DesignRecord d = ExternalEndcap(kFlatAnnularEndcap, {6, 7, 0.5, 1, 4, 50, 1, 5}, 4);
    d.UniformLoadOn = d.LineLoadOn = kTrue;
    return d;
}

}  // namespace tidewell::testing
