// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stress engine: one pressure in, the stresses, deflections and weights of the component
// being analysed out. Formulas of Roark's Formulas for Stress and Strain, 6th edition. The
// engine makes no checks of its own (designs are validated before a run); instead every call
// sets AnalysisState::ResultNotFinite when it produced a NaN or an infinity.

#include <cstdint>
#include <optional>

#include "analysis/AnalysisState.h"

namespace tidewell {

// The program's own constants; kept at these values so results match the program's tables.
inline constexpr double kPi = 3.141592654;
inline constexpr double kTwoPi = 6.283185308;
inline constexpr double kSeaWaterDensity = 0.03704;  // lb/cu in, for displaced weight

// Most rounds the cone half-angle iteration may take before it reports failure. The iteration
// contracts by (D2 - D1) / (D2 + D1) per round, so a sound cone needs far fewer.
inline constexpr int kConeHalfAngleMaxRounds = 10000;

// Clears the result state at the start of an analysis run: LobeCount = 2; zero for
// BucklingPressure, ShellFailurePressure, the weights, the thin- and thick-wall sets and the
// current set (except the three equivalent stresses) and MaxShearStress. SeatStress, the point
// stresses and the plate and endcap fields are left as they are.
void ResetResults(AnalysisState& s);

// Evaluates the component s.ComponentCode at one pressure and writes the results into s.
//   p             pressure magnitude, psi (>= 0; the direction is s.PressureDirection/PressureSign)
//   r             evaluation radius, in (shells: point stresses; plates: where y, slope, M, Q are
//                 taken)
//   r0            load radius, in (annular plate: line-load circle or inner edge of the uniform
//                 load)
//   w             line load, lb/in (annular plate with lineLoadFlag != 0)
//   n             lobe count for tube buckling
//   lineLoadFlag  annular plate: 0 uniform pressure from r0 to the outer edge, non-zero line load
// Ends with the wall-theory selection and sets s.ResultNotFinite.
void ComputeStresses(AnalysisState& s, double p, double r, double r0, double w, int16_t n,
                     int16_t lineLoadFlag);

// Half-angle of a conical endcap, radians, from its inner and outer base diameters d1, d2 and
// its height h to the apex of the outer surface. Fixed-point iteration that settles when the
// relative change of the angle is below 1e-5; its fixed point is atan(d2 / (2 h)). Returns
// nothing when the iteration does not settle within kConeHalfAngleMaxRounds rounds or meets a
// value that is not finite.
std::optional<double> ConeHalfAngle(double d1, double d2, double h);

// Annular plate under both loads: the line load w at rLine plus the uniform pressure p from
// rUniform to the outer edge, evaluated at r. The stresses, deflections, slopes, shear stresses
// and SeatStress are the sums of the two cases; RadialMomentAtR, TangentialMomentAtR and
// ShearForceAtR keep the uniform-load values.
void CombinedPlateLoads(AnalysisState& s, double p, double r, double rLine, double rUniform,
                        double w);

// Line load (lb/in) that stands for pressure p on the disc of radius LineLoadOuterRadius,
// spread along the circle of radius LineLoadRadius.
double PlateLineLoad(const AnalysisState& s, double p);

// Evaluates the annular plate at pressure p and radius r with the loads chosen by
// s.UniformLoadOn and s.LineLoadOn: both on, CombinedPlateLoads; only the line load, the engine
// with r0 = LineLoadRadius and w = PlateLineLoad(p); only the uniform load, the engine with
// r0 = UniformLoadInnerRadius and w = 0. With neither on (validation refuses it) the plate is
// evaluated unloaded. Stores the chosen case in s.LineLoadFlag (0 uniform or both, -1 line
// only). The results table and the plate failure scan both call this, with lobe count 2.
void ComputeSelectedPlateLoads(AnalysisState& s, double p, double r);

}  // namespace tidewell
