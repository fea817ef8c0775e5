// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Flat annular plate branch of the stress engine, the superposition of its two loads and the
// load selection shared by the results table and the plate failure scan.

#include "analysis/AnnularPlate.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>

#include "analysis/ComponentStresses.h"
#include "analysis/StressEngine.h"

namespace tidewell {

// ---- Plate functions ----

double PlateF1(double x, double b, double nu) {
    const double beta = b / x;
    return ((1 + nu) / 2) * beta * std::log(x / b) + ((1 - nu) / 4) * (x / b - beta);
}

double PlateF2(double x, double b) {
    const double beta = b / x;
    return (1.0 / 4) * (1 - beta * beta * (1 + 2 * std::log(x / b)));
}

double PlateF3(double x, double b) {
    const double beta = b / x;
    return (beta / 4) * ((beta * beta + 1) * std::log(x / b) + beta * beta - 1);
}

double PlateF4(double x, double b, double nu) {
    const double beta = b / x;
    return (1.0 / 2) * ((1 + nu) * beta + (1 - nu) * x / b);
}

double PlateF5(double x, double b) {
    const double beta = b / x;
    return (1.0 / 2) * (1 - beta * beta);
}

double PlateF6(double x, double b) {
    const double beta = b / x;
    return (beta / 4) * (beta * beta - 1 + 2 * std::log(x / b));
}

double PlateF7(double x, double b, double nu) {
    const double beta = b / x;
    return (1.0 / 2) * (1 - nu * nu) * (x / b - beta);
}

double PlateF8(double x, double b, double nu) {
    const double beta = b / x;
    return (1.0 / 2) * (1 + nu + (1 - nu) * beta * beta);
}

double PlateF9(double x, double b, double nu) {
    const double beta = b / x;
    return beta * (((1 + nu) / 2) * std::log(x / b) + ((1 - nu) / 4) * (1 - beta * beta));
}

PlateFunctionValues PlateFunctionsAt(double x, double b, double nu) {
    PlateFunctionValues f;
    f.F1 = PlateF1(x, b, nu);
    f.F2 = PlateF2(x, b);
    f.F3 = PlateF3(x, b);
    f.F4 = PlateF4(x, b, nu);
    f.F5 = PlateF5(x, b);
    f.F6 = PlateF6(x, b);
    f.F7 = PlateF7(x, b, nu);
    f.F8 = PlateF8(x, b, nu);
    f.F9 = PlateF9(x, b, nu);
    return f;
}

// ---- Load terms ----

double LoadTerm3(double m, double lambda) {
    return (m / 4) * ((m * m + 1) * lambda + m * m - 1);
}

double LoadTerm6(double m, double lambda) {
    return (m / 4) * (m * m - 1 + 2 * lambda);
}

double LoadTerm9(double m, double lambda, double nu) {
    return m * (((1 + nu) / 2) * lambda + ((1 - nu) / 4) * (1 - m * m));
}

double LoadTerm11(double m, double lambda) {
    const double m2 = m * m;
    return (1.0 / 64) * (1 + 4 * m2 - 5 * m2 * m2 - 4 * m2 * (2 + m2) * lambda);
}

double LoadTerm14(double m, double lambda) {
    const double m2 = m * m;
    return (1.0 / 16) * (1 - m2 * m2 - 4 * m2 * lambda);
}

double LoadTerm17(double m, double lambda, double nu) {
    const double m2 = m * m;
    return (1.0 / 4) * (1 - ((1 - nu) / 4) * (1 - m2 * m2) - m2 * (1 + (1 + nu) * lambda));
}

namespace {

LoadTermValues LoadTermsFrom(double x, double r0, double nu) {
    const double m = r0 / x;
    const double lambda = std::log(x / r0);
    LoadTermValues v;
    v.T3 = LoadTerm3(m, lambda);
    v.T6 = LoadTerm6(m, lambda);
    v.T9 = LoadTerm9(m, lambda, nu);
    v.T11 = LoadTerm11(m, lambda);
    v.T14 = LoadTerm14(m, lambda);
    v.T17 = LoadTerm17(m, lambda, nu);
    return v;
}

}  // namespace

LoadTermValues OuterEdgeLoadTerms(double a, double r0, double nu) {
    return LoadTermsFrom(a, r0, nu);
}

LoadTermValues LoadFunctionsAt(double r, double r0, double nu) {
    // <r - r0>^0: the load acts on the plate only beyond r0.
    if (!(r > r0)) return LoadTermValues{};
    return LoadTermsFrom(r, r0, nu);
}

// ---- Edge values by restraint (outer edge / inner edge) ----

std::optional<PlateEdgeValues> UniformLoadEdgeValues(int16_t restraint, double q,
                                                     const AnnularPlateCase& c) {
    const double a = c.a, b = c.b, r0 = c.r0, D = c.D;
    const double C1 = c.C.F1, C2 = c.C.F2, C3 = c.C.F3, C4 = c.C.F4, C5 = c.C.F5, C6 = c.C.F6,
                 C7 = c.C.F7, C8 = c.C.F8, C9 = c.C.F9;
    const double L11 = c.L.T11, L14 = c.L.T14, L17 = c.L.T17;
    const double a2 = a * a, a3 = a2 * a, a4 = a3 * a;
    const double Qa0 = -q * (a2 - r0 * r0) / (2 * a);  // outer edge carries the whole load
    const double Qg = q * (a2 - r0 * r0) / (2 * b);    // hole edge carries the whole load
    const double span = (a2 - r0 * r0) / (2 * a * b);

    PlateEdgeValues e;
    switch (restraint) {
        case 0:  // "Fixed/Free" (2e)
            e.yb = -q * a4 / D * (C1 * L14 / C4 - L11);
            e.thetaB = q * a3 * L14 / (D * C4);
            e.Mra = -q * a2 * (L17 - C7 * L14 / C4);
            e.Qa = Qa0;
            break;
        case 1:  // "Fixed/Guided" (2f)
            e.yb = -q * a4 / D * (C2 * L14 / C5 - L11);
            e.Mrb = q * a2 * L14 / C5;
            e.Mra = -q * a2 * (L17 - C8 * L14 / C5);
            e.Qa = Qa0;
            break;
        case 2:  // "Fixed/Simply Supported" (2g)
            e.thetaB = -q * a3 / D * (C3 * L14 - C6 * L11) / (C1 * C6 - C3 * C4);
            e.Qb = q * a * (C1 * L14 - C4 * L11) / (C1 * C6 - C3 * C4);
            e.Mra = e.thetaB * D * C7 / a + e.Qb * a * C9 - q * a2 * L17;
            e.Qa = e.Qb * b / a + Qa0;
            break;
        case 3:  // "Fixed/Fixed" (2h)
            e.Mrb = -q * a2 * (C3 * L14 - C6 * L11) / (C2 * C6 - C3 * C5);
            e.Qb = q * a * (C2 * L14 - C5 * L11) / (C2 * C6 - C3 * C5);
            e.Mra = e.Mrb * C8 + e.Qb * a * C9 - q * a2 * L17;
            e.Qa = e.Qb * b / a + Qa0;
            break;
        case 4:  // "Simply Supported/Free" (2a)
            e.yb = -q * a4 / D * (C1 * L17 / C7 - L11);
            e.thetaB = q * a3 * L17 / (D * C7);
            e.thetaA = q * a3 / D * (C4 * L17 / C7 - L14);
            e.Qa = Qa0;
            break;
        case 5:  // "Simply Supported/Guided" (2b)
            e.yb = -q * a4 / D * (C2 * L17 / C8 - L11);
            e.Mrb = q * a2 * L17 / C8;
            e.thetaA = q * a3 / D * (C5 * L17 / C8 - L14);
            e.Qa = Qa0;
            break;
        case 6:  // "Simply Supported/Simply Supported" (2c)
            e.thetaB = -q * a3 / D * (C3 * L17 - C9 * L11) / (C1 * C9 - C3 * C7);
            e.Qb = q * a * (C1 * L17 - C7 * L11) / (C1 * C9 - C3 * C7);
            e.thetaA = e.thetaB * C4 + e.Qb * a2 * C6 / D - q * a3 * L14 / D;
            e.Qa = e.Qb * b / a + Qa0;
            break;
        case 7:  // "Simply Supported/Fixed" (2d)
            e.Mrb = -q * a2 * (C3 * L17 - C9 * L11) / (C2 * C9 - C3 * C8);
            e.Qb = q * a * (C2 * L17 - C8 * L11) / (C2 * C9 - C3 * C8);
            e.thetaA = e.Mrb * a * C5 / D + e.Qb * a2 * C6 / D - q * a3 * L14 / D;
            e.Qa = e.Qb * b / a + Qa0;
            break;
        case 8:  // "Guided/Simply Supported" (2i)
            e.thetaB = -q * a3 / (D * C4) * (span * C6 - L14);
            e.Qb = Qg;
            e.ya = e.thetaB * a * C1 + e.Qb * a3 * C3 / D - q * a4 * L11 / D;
            e.Mra = e.thetaB * D * C7 / a + e.Qb * a * C9 - q * a2 * L17;
            break;
        case 9:  // "Guided/Fixed" (2j)
            e.Mrb = -q * a2 / C5 * (span * C6 - L14);
            e.Qb = Qg;
            e.ya = e.Mrb * a2 * C2 / D + e.Qb * a3 * C3 / D - q * a4 * L11 / D;
            e.Mra = e.Mrb * C8 + e.Qb * a * C9 - q * a2 * L17;
            break;
        case 10:  // "Free/Simply Supported" (2k)
            e.thetaB = -q * a3 / (D * C7) * (span * C9 - L17);
            e.Qb = Qg;
            e.ya = e.thetaB * a * C1 + e.Qb * a3 * C3 / D - q * a4 * L11 / D;
            e.thetaA = e.thetaB * C4 + e.Qb * a2 * C6 / D - q * a3 * L14 / D;
            break;
        case 11:  // "Free/Fixed" (2l)
            e.Mrb = -q * a2 / C8 * (span * C9 - L17);
            e.Qb = Qg;
            e.ya = e.Mrb * a2 * C2 / D + e.Qb * a3 * C3 / D - q * a4 * L11 / D;
            e.thetaA = e.Mrb * a * C5 / D + e.Qb * a2 * C6 / D - q * a3 * L14 / D;
            break;
        default:
            return std::nullopt;
    }
    return e;
}

std::optional<PlateEdgeValues> LineLoadEdgeValues(int16_t restraint, double w,
                                                  const AnnularPlateCase& c) {
    const double a = c.a, b = c.b, r0 = c.r0, D = c.D;
    const double C1 = c.C.F1, C2 = c.C.F2, C3 = c.C.F3, C4 = c.C.F4, C5 = c.C.F5, C6 = c.C.F6,
                 C7 = c.C.F7, C8 = c.C.F8, C9 = c.C.F9;
    const double L3 = c.L.T3, L6 = c.L.T6, L9 = c.L.T9;
    const double a2 = a * a, a3 = a2 * a;
    const double Qa1 = -w * r0 / a;  // outer edge carries the whole load
    const double Qh = w * r0 / b;    // hole edge carries the whole load
    const double k = r0 / b;

    PlateEdgeValues e;
    switch (restraint) {
        case 0:  // "Fixed/Free" (1e)
            e.yb = -w * a3 / D * (C1 * L6 / C4 - L3);
            e.thetaB = w * a2 * L6 / (D * C4);
            e.Mra = -w * a * (L9 - C7 * L6 / C4);
            e.Qa = Qa1;
            break;
        case 1:  // "Fixed/Guided" (1f)
            e.yb = -w * a3 / D * (C2 * L6 / C5 - L3);
            e.Mrb = w * a * L6 / C5;
            e.Mra = -w * a * (L9 - C8 * L6 / C5);
            e.Qa = Qa1;
            break;
        case 2:  // "Fixed/Simply Supported" (1g)
            e.thetaB = -w * a2 / D * (C3 * L6 - C6 * L3) / (C1 * C6 - C3 * C4);
            e.Qb = w * (C1 * L6 - C4 * L3) / (C1 * C6 - C3 * C4);
            e.Mra = e.thetaB * D * C7 / a + e.Qb * a * C9 - w * a * L9;
            e.Qa = e.Qb * b / a + Qa1;
            break;
        case 3:  // "Fixed/Fixed" (1h)
            e.Mrb = -w * a * (C3 * L6 - C6 * L3) / (C2 * C6 - C3 * C5);
            e.Qb = w * (C2 * L6 - C5 * L3) / (C2 * C6 - C3 * C5);
            e.Mra = e.Mrb * C8 + e.Qb * a * C9 - w * a * L9;
            e.Qa = e.Qb * b / a + Qa1;
            break;
        case 4:  // "Simply Supported/Free" (1a)
            e.yb = -w * a3 / D * (C1 * L9 / C7 - L3);
            e.thetaB = w * a2 * L9 / (D * C7);
            e.thetaA = w * a2 / D * (C4 * L9 / C7 - L6);
            e.Qa = Qa1;
            break;
        case 5:  // "Simply Supported/Guided" (1b)
            e.yb = -w * a3 / D * (C2 * L9 / C8 - L3);
            e.Mrb = w * a * L9 / C8;
            e.thetaA = w * a2 / D * (C5 * L9 / C8 - L6);
            e.Qa = Qa1;
            break;
        case 6:  // "Simply Supported/Simply Supported" (1c)
            e.thetaB = -w * a2 / D * (C3 * L9 - C9 * L3) / (C1 * C9 - C3 * C7);
            e.Qb = w * (C1 * L9 - C7 * L3) / (C1 * C9 - C3 * C7);
            e.thetaA = e.thetaB * C4 + e.Qb * a2 * C6 / D - w * a2 * L6 / D;
            e.Qa = e.Qb * b / a + Qa1;
            break;
        case 7:  // "Simply Supported/Fixed" (1d)
            e.Mrb = -w * a * (C3 * L9 - C9 * L3) / (C2 * C9 - C3 * C8);
            e.Qb = w * (C2 * L9 - C8 * L3) / (C2 * C9 - C3 * C8);
            e.thetaA = e.Mrb * a * C5 / D + e.Qb * a2 * C6 / D - w * a2 * L6 / D;
            e.Qa = e.Qb * b / a + Qa1;
            break;
        case 8:  // "Guided/Simply Supported" (1i)
            e.thetaB = -w * a2 / (D * C4) * (k * C6 - L6);
            e.Qb = Qh;
            e.ya = -w * a3 / D * ((k * C6 - L6) * C1 / C4 - k * C3 + L3);
            e.Mra = w * a * ((L6 - k * C6) * C7 / C4 + k * C9 - L9);
            break;
        case 9:  // "Guided/Fixed" (1j)
            e.Mrb = -w * a / C5 * (k * C6 - L6);
            e.Qb = Qh;
            e.ya = -w * a3 / D * ((k * C6 - L6) * C2 / C5 - k * C3 + L3);
            e.Mra = w * a * ((L6 - k * C6) * C8 / C5 + k * C9 - L9);
            break;
        case 10:  // "Free/Simply Supported" (1k)
            e.thetaB = -w * a2 / (D * C7) * (k * C9 - L9);
            e.Qb = Qh;
            e.ya = -w * a3 / D * ((k * C9 - L9) * C1 / C7 - k * C3 + L3);
            e.thetaA = -w * a2 / D * ((k * C9 - L9) * C4 / C7 - k * C6 + L6);
            break;
        case 11:  // "Free/Fixed" (1l)
            e.Mrb = -w * a / C8 * (k * C9 - L9);
            e.Qb = Qh;
            e.ya = -w * a3 / D * ((k * C9 - L9) * C2 / C8 - k * C3 + L3);
            e.thetaA = -w * a2 / D * ((k * C9 - L9) * C5 / C8 - k * C6 + L6);
            break;
        default:
            return std::nullopt;
    }
    return e;
}

// ---- Engine branch ----

bool AnnularPlateStresses(AnalysisState& s, double p, double r, double r0, double w,
                          int16_t lineLoadFlag) {
    const double a = s.OuterRadius;
    const double b = s.InnerRadius;
    const double Rp = s.PlateOuterRadius;
    const double t = s.WallThickness;
    const double nu = s.PoissonRatio;
    const double q = p;
    const bool lineLoad = lineLoadFlag != 0;

    s.WeightInAir = (Rp * Rp - b * b) * kPi * t * s.Density;
    s.WeightInWater = (Rp * Rp - b * b) * kPi * t * (s.Density - kSeaWaterDensity);

    AnnularPlateCase c;
    c.a = a;
    c.b = b;
    c.r0 = r0;
    c.D = s.YoungsModulus * t * t * t / (12 * (1 - nu * nu));
    c.C = PlateFunctionsAt(a, b, nu);
    c.L = OuterEdgeLoadTerms(a, r0, nu);
    const double D = c.D;
    const PlateFunctionValues F = PlateFunctionsAt(r, b, nu);
    const LoadTermValues G = LoadFunctionsAt(r, r0, nu);
    const double loaded = r > r0 ? 1.0 : 0.0;  // <r - r0>^0

    const std::optional<PlateEdgeValues> edges = lineLoad
                                                     ? LineLoadEdgeValues(s.EdgeRestraint, w, c)
                                                     : UniformLoadEdgeValues(s.EdgeRestraint, q, c);
    PlateEdgeValues e;
    if (!edges) {
        s.UnknownEdgeRestraint = true;
        // No restraint, no plate solution: NaN so that nothing passes for a result.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        e = PlateEdgeValues{nan, nan, nan, nan, nan, nan, nan, nan};
    } else {
        e = *edges;
    }

    // Superposition of the edge values and the load at r.
    const double homogeneousY =
        e.yb + e.thetaB * r * F.F1 + e.Mrb * r * r * F.F2 / D + e.Qb * r * r * r * F.F3 / D;
    const double homogeneousSlope =
        e.thetaB * F.F4 + e.Mrb * r * F.F5 / D + e.Qb * r * r * F.F6 / D;
    const double homogeneousMoment = e.thetaB * D * F.F7 / r + e.Mrb * F.F8 + e.Qb * r * F.F9;
    const double homogeneousShear = e.Qb * b / r;
    double y, slope, Mr, Q;
    if (lineLoad) {
        y = homogeneousY - w * r * r * r * G.T3 / D;
        slope = homogeneousSlope - w * r * r * G.T6 / D;
        Mr = homogeneousMoment - w * r * G.T9;
        Q = homogeneousShear - w * r0 / r * loaded;
    } else {
        y = homogeneousY - q * r * r * r * r * G.T11 / D;
        slope = homogeneousSlope - q * r * r * r * G.T14 / D;
        Mr = homogeneousMoment - q * r * r * G.T17;
        Q = homogeneousShear - q * (r * r - r0 * r0) / (2 * r) * loaded;
    }
    s.PlateDeflectionAtR = y;
    s.PlateSlopeAtR = slope;
    s.RadialMomentAtR = Mr;
    s.ShearForceAtR = Q;
    s.InnerEdgeDeflection = e.yb;
    s.InnerEdgeSlope = e.thetaB;
    s.OuterEdgeDeflection = e.ya;
    s.OuterEdgeSlope = e.thetaA;

    // Bearing stress on the seat ring between a and Rp.
    if (a < Rp) {
        s.SeatStress = lineLoad ? 2 * s.PressureSign * w * r0 / (Rp * Rp - a * a)
                                : s.PressureSign * q * (Rp * Rp - b * b) / (Rp * Rp - a * a);
    } else {
        s.SeatStress = 0;
    }

    const double Mt = (1 - nu * nu) * slope * D / r + nu * Mr;
    const double Mta = (1 - nu * nu) * e.thetaA * D / a + nu * e.Mra;
    const double Mtb = (1 - nu * nu) * e.thetaB * D / b + nu * e.Mrb;
    s.TangentialMomentAtR = Mt;

    const double t2 = t * t;
    s.OuterEdgeRadialStress = 6 * e.Mra / t2;
    s.InnerEdgeRadialStress = 6 * e.Mrb / t2;
    s.OuterEdgeTangentialStress = 6 * Mta / t2;
    s.InnerEdgeTangentialStress = 6 * Mtb / t2;
    s.PlateRadialStressAtR = 6 * Mr / t2;
    s.PlateTangentialStressAtR = 6 * Mt / t2;
    s.OuterEdgeShearStress = e.Qa / t;
    s.InnerEdgeShearStress = e.Qb / t;
    s.PlateShearStressAtR = Q / t;

    return AllFinite({s.WeightInAir,
                      s.WeightInWater,
                      y,
                      slope,
                      Mr,
                      Q,
                      Mt,
                      e.yb,
                      e.thetaB,
                      e.ya,
                      e.thetaA,
                      s.SeatStress,
                      s.OuterEdgeRadialStress,
                      s.InnerEdgeRadialStress,
                      s.OuterEdgeTangentialStress,
                      s.InnerEdgeTangentialStress,
                      s.PlateRadialStressAtR,
                      s.PlateTangentialStressAtR,
                      s.OuterEdgeShearStress,
                      s.InnerEdgeShearStress,
                      s.PlateShearStressAtR});
}

// ---- Both loads and the load selection ----

namespace {

// The results that the two load cases add up to; the moments and ShearForceAtR are not summed.
constexpr double AnalysisState::*kSummedPlateFields[] = {&AnalysisState::PlateRadialStressAtR,
                                                         &AnalysisState::OuterEdgeRadialStress,
                                                         &AnalysisState::InnerEdgeRadialStress,
                                                         &AnalysisState::PlateTangentialStressAtR,
                                                         &AnalysisState::OuterEdgeTangentialStress,
                                                         &AnalysisState::InnerEdgeTangentialStress,
                                                         &AnalysisState::PlateDeflectionAtR,
                                                         &AnalysisState::OuterEdgeDeflection,
                                                         &AnalysisState::InnerEdgeDeflection,
                                                         &AnalysisState::PlateSlopeAtR,
                                                         &AnalysisState::OuterEdgeSlope,
                                                         &AnalysisState::InnerEdgeSlope,
                                                         &AnalysisState::OuterEdgeShearStress,
                                                         &AnalysisState::InnerEdgeShearStress,
                                                         &AnalysisState::PlateShearStressAtR,
                                                         &AnalysisState::SeatStress};
constexpr std::size_t kSummedPlateFieldCount = std::size(kSummedPlateFields);

}  // namespace

void CombinedPlateLoads(AnalysisState& s, double p, double r, double rLine, double rUniform,
                        double w) {
    constexpr int16_t kLobes = 2;  // not read by the plate
    ComputeStresses(s, p, r, rLine, w, kLobes, -1);
    const bool lineNotFinite = s.ResultNotFinite;
    std::array<double, kSummedPlateFieldCount> lineValues{};
    for (std::size_t i = 0; i < kSummedPlateFieldCount; ++i) {
        lineValues[i] = s.*kSummedPlateFields[i];
    }

    ComputeStresses(s, p, r, rUniform, 0, kLobes, 0);
    bool sumsFinite = true;
    for (std::size_t i = 0; i < kSummedPlateFieldCount; ++i) {
        double& field = s.*kSummedPlateFields[i];
        field += lineValues[i];
        sumsFinite = sumsFinite && std::isfinite(field);
    }
    s.ResultNotFinite = s.ResultNotFinite || lineNotFinite || !sumsFinite;
}

double PlateLineLoad(const AnalysisState& s, double p) {
    return s.LineLoadOuterRadius * s.LineLoadOuterRadius * (p / 2) / s.LineLoadRadius;
}

void ComputeSelectedPlateLoads(AnalysisState& s, double p, double r) {
    constexpr int16_t kLobes = 2;
    const bool uniform = s.UniformLoadOn != 0;
    const bool line = s.LineLoadOn != 0;
    if (uniform && line) {
        s.LineLoadFlag = 0;
        CombinedPlateLoads(s, p, r, s.LineLoadRadius, s.UniformLoadInnerRadius,
                           PlateLineLoad(s, p));
    } else if (line) {
        s.LineLoadFlag = -1;
        ComputeStresses(s, p, r, s.LineLoadRadius, PlateLineLoad(s, p), kLobes, s.LineLoadFlag);
    } else {
        s.LineLoadFlag = 0;
        const double pressure = uniform ? p : 0.0;  // neither load: the plate is unloaded
        ComputeStresses(s, pressure, r, s.UniformLoadInnerRadius, 0, kLobes, s.LineLoadFlag);
    }
}

}  // namespace tidewell
