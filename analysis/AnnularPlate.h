// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The flat annular plate: closed-form solution of Roark 6th ed. flat annular plates, cases 1a-1l
// (line load w on the circle r0) and 2a-2l (uniform pressure q from r0 to the outer edge).
// Symbols: a outer (free) radius, b hole radius, D flexural rigidity, nu Poisson's ratio.
// The pieces are public so the tests can check them one by one.

#include <cstdint>
#include <optional>

namespace tidewell {

// Plate functions F1..F9 of radius x for a plate with hole radius b (beta = b / x).
double PlateF1(double x, double b, double nu);
double PlateF2(double x, double b);
double PlateF3(double x, double b);
double PlateF4(double x, double b, double nu);
double PlateF5(double x, double b);
double PlateF6(double x, double b);
double PlateF7(double x, double b, double nu);
double PlateF8(double x, double b, double nu);
double PlateF9(double x, double b, double nu);

// F1..F9 at one radius; at the outer edge a they are the constants C1..C9.
struct PlateFunctionValues {
    double F1 = 0, F2 = 0, F3 = 0, F4 = 0, F5 = 0, F6 = 0, F7 = 0, F8 = 0, F9 = 0;
};
PlateFunctionValues PlateFunctionsAt(double x, double b, double nu);

// Load terms of a load at radius r0 seen from radius x, with m = r0 / x and lambda = ln(x / r0).
// Line load: 3 (deflection), 6 (slope), 9 (moment); uniform load: 11, 14, 17.
double LoadTerm3(double m, double lambda);
double LoadTerm6(double m, double lambda);
double LoadTerm9(double m, double lambda, double nu);
double LoadTerm11(double m, double lambda);
double LoadTerm14(double m, double lambda);
double LoadTerm17(double m, double lambda, double nu);

struct LoadTermValues {
    double T3 = 0, T6 = 0, T9 = 0, T11 = 0, T14 = 0, T17 = 0;
};
// L3..L17 at the outer edge a.
LoadTermValues OuterEdgeLoadTerms(double a, double r0, double nu);
// G3..G17 at radius r: the load terms times the step <r - r0>^0 (zero up to and at r0).
LoadTermValues LoadFunctionsAt(double r, double r0, double nu);

// Deflection, slope, radial moment and shear per unit length at both edges
// (b: hole edge, a: outer edge). A value a restraint row does not give is 0.
struct PlateEdgeValues {
    double yb = 0, thetaB = 0, Mrb = 0, Qb = 0;
    double ya = 0, thetaA = 0, Mra = 0, Qa = 0;
};

// What the edge-value rows need about the plate and its load.
struct AnnularPlateCase {
    double a = 0;           // outer radius
    double b = 0;           // hole radius
    double r0 = 0;          // load radius
    double D = 0;           // flexural rigidity
    PlateFunctionValues C;  // plate functions at a
    LoadTermValues L;       // load terms at a
};

// Number of edge restraints of the annular plate (outer edge / inner edge), index 0..11.
inline constexpr int16_t kAnnularRestraintCount = 12;

// Edge values for the uniform pressure q (Roark 2e-2l, 2a-2d) and the line load w (1e-1l,
// 1a-1d), by restraint index. Nothing for an index outside 0..11.
std::optional<PlateEdgeValues> UniformLoadEdgeValues(int16_t restraint, double q,
                                                     const AnnularPlateCase& c);
std::optional<PlateEdgeValues> LineLoadEdgeValues(int16_t restraint, double w,
                                                  const AnnularPlateCase& c);

}  // namespace tidewell
