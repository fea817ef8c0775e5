// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The analysis state: the inputs and results of the stress engine, in base units (inches, psi,
// pounds, lb/cu in, radians, lb/in for line loads, lb-in/in for plate moments). The results
// builder loads the inputs, the engine writes the results, and the failure searches and the
// results table read them right after each ComputeStresses call. One instance per analysis run,
// owned by its caller and passed by reference.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tidewell {

// ComponentCode values.
inline constexpr int16_t kAnnularPlateComponent = 1;
inline constexpr int16_t kConeComponent = 2;
inline constexpr int16_t kHemiEndcapComponent = 3;
inline constexpr int16_t kCircularPlateComponent = 4;
inline constexpr int16_t kHemisphereComponent = 8;
inline constexpr int16_t kSphereComponent = 9;
inline constexpr int16_t kTubeComponent = 10;

// PressureDirection values.
inline constexpr int16_t kExternalPressure = 1;
inline constexpr int16_t kInternalPressure = 2;

// A failure pressure that marks a mode as not applicable, so that it never governs (psi).
inline constexpr double kNotApplicablePressure = 1000000000.0;

// WallTheory texts.
inline const char* const kThinWallText = "Thin Wall";
inline const char* const kThickWallText = "Thick Wall";

// One row of the plate stress table: radius (in), radial and tangential bending stress (psi)
// at that radius under 1000 psi. Single precision, as the stress graph needs no more.
struct PlateStressRow {
    float Radius = 0;
    float RadialStress = 0;
    float TangentialStress = 0;
};

struct AnalysisState {
    // ---- Inputs (loaded by the results builder; the engine never changes them) ----
    int16_t ComponentCode = 0;  // 1 annular plate, 2 cone, 3 hemi endcap, 4 circular plate,
                                // 8 hemisphere, 9 sphere, 10 tube
    double OuterRadius = 0;     // shells: outer radius b; plates: unsupported (free) radius a
    double InnerRadius = 0;     // shells: inner radius a; annular plate: hole radius b;
                                // circular plate: the plate's full radius (larger than OuterRadius)
    double WallThickness = 0;   // wall or plate thickness t
    double BodyLength = 0;      // tube length L
    double MeanRadius = 0;      // (OuterRadius + InnerRadius) / 2
    double ConeHeight = 0;      // cone: overall height h to the apex of the outer surface
    double ConeMidHeight = 0;   // cone: h - ((b - a) / 2) / (b / h), used for the weight only
    double PlateOuterRadius = 0;        // annular plate: overall plate radius (rests on the seat)
    double LineLoadRadius = 0;          // annular plate: radius of the line-load circle
    double UniformLoadInnerRadius = 0;  // annular plate: inner radius of the uniform load
    double LineLoadOuterRadius = 0;     // annular plate: radius of the disc whose pressure
                                        // makes up the line load
    double PoissonRatio = 0;
    double YoungsModulus = 0;                       // psi
    double Density = 0;                             // lb/cu in
    int16_t PressureDirection = kExternalPressure;  // 2 internal, 1 external
    int16_t PressureSign = -1;                      // +1 internal, -1 external
    int16_t LobeCount = 2;                          // tube buckling lobes; reset to 2
    double DesignStrength = 0;    // psi, strength the failure searches compare with
    double YieldStrength = 0;     // psi, primary strength
    double SecondStrength = 0;    // psi, working (plastics) or compressive (glass, ceramics)
    int16_t EdgeRestraint = -1;   // plates: index into the endcap's restraint list
    bool ForceThickWall = false;  // "Force Thick Wall Equations" option of the design
    int16_t UniformLoadOn = 0;    // annular plate: uniform load applied (non-zero = on)
    int16_t LineLoadOn = 0;       // annular plate: line load applied (non-zero = on)
    int16_t LineLoadFlag = 0;     // annular plate: load case chosen last (0 uniform, -1 line)

    // ---- Results written by the engine ----
    // Weights (lb)
    double WeightInAir = 0;
    double WeightInWater = 0;

    // Buckling (psi)
    double BucklingPressure = 0;

    // Thin-wall set. ThinRadialStress is never computed and stays 0.
    double ThinAxialStress = 0;
    double ThinHoopStress = 0;
    double ThinRadialStress = 0;
    double ThinEquivalentStress = 0;
    double ThinInnerRadiusChange = 0;
    double ThinOuterRadiusChange = 0;
    double ThinLengthChange = 0;

    // Thick-wall set
    double ThickAxialStress = 0;
    double ThickHoopStress = 0;
    double ThickRadialStress = 0;
    double ThickEquivalentStress = 0;
    double ThickInnerRadiusChange = 0;
    double ThickOuterRadiusChange = 0;
    double ThickLengthChange = 0;

    // Point stresses at the evaluation radius r (shells)
    double AxialStressAtR = 0;
    double HoopStressAtR = 0;
    double RadialStressAtR = 0;

    // Current set: a copy of the thin- or thick-wall set (what the results table shows)
    double AxialStress = 0;
    double HoopStress = 0;
    double RadialStress = 0;
    double EquivalentStress = 0;
    double InnerRadiusChange = 0;
    double OuterRadiusChange = 0;
    double LengthChange = 0;

    // Written directly, outside the sets
    double MaxShearStress = 0;
    double SeatStress = 0;

    std::string WallTheory;  // "Thin Wall" or "Thick Wall"

    // Endcaps
    double MeridianRotation = 0;  // cone, rad
    double CenterDeflection = 0;  // circular plate, in
    double CenterStress = 0;      // circular plate bending stress at the centre, psi (magnitude)

    // Plates: values at the evaluation radius r
    double PlateDeflectionAtR = 0;        // in
    double PlateSlopeAtR = 0;             // rad
    double RadialMomentAtR = 0;           // lb-in/in
    double TangentialMomentAtR = 0;       // lb-in/in
    double ShearForceAtR = 0;             // lb/in
    double PlateRadialStressAtR = 0;      // psi
    double PlateTangentialStressAtR = 0;  // psi
    double PlateShearStressAtR = 0;       // psi

    // Plates: values at the edges (outer = free edge a, inner = hole edge b)
    double OuterEdgeDeflection = 0;
    double InnerEdgeDeflection = 0;
    double OuterEdgeSlope = 0;
    double InnerEdgeSlope = 0;
    double OuterEdgeRadialStress = 0;
    double InnerEdgeRadialStress = 0;
    double OuterEdgeTangentialStress = 0;
    double InnerEdgeTangentialStress = 0;
    double OuterEdgeShearStress = 0;
    double InnerEdgeShearStress = 0;

    // Set at the end of every ComputeStresses call: true when a value the call wrote is NaN or
    // infinite (a division by zero or an overflow), so the caller can stop with a message
    // instead of showing or searching on it.
    bool ResultNotFinite = false;
    // Cleared by every call. Set by a conical-endcap call when the cone's half-angle iteration
    // did not settle within its bound; the cone results are then NaN and ResultNotFinite is set.
    bool ConeAngleNotConverged = false;
    // Cleared by every call. Set by a plate call when EdgeRestraint names no restraint of the
    // plate; the plate results are then NaN and ResultNotFinite is set too.
    bool UnknownEdgeRestraint = false;

    // ---- Failure searches (shells and circular plate) ----
    double ShellFailurePressure = 0;
    double PlateRadialFailurePressure = 0;
    double PlateRadialFailureRadius = 0;  // 0 = plate centre
    double PlateTangentialFailurePressure = 0;
    double PlateTangentialFailureRadius = 0;
    double SeatFailurePressure = 0;
    double ShearFailurePressure = 0;
    int16_t FailureMode = 1;                          // governing option button, 1 to 4
    double FailurePressure = kNotApplicablePressure;  // governing (lowest) failure pressure
    double TableEvalRadius = 0;  // circular plate: radius the results table evaluates at

    // ---- Annular plate failure evaluation ----
    // Index 1 radial, 2 tangential, 3 shear at the hole edge, 4 shear at the free edge, 5 seat;
    // index 0 the governing mode.
    std::array<double, 6> PlateFailurePressures{};
    std::array<double, 6> PlateFailureRadii{};
    int16_t PlateFailureMode = 1;  // 1 to 5
    // Stresses across the plate width for the stress graph; element 0 is the hole edge.
    std::vector<PlateStressRow> PlateStressTable;
};

}  // namespace tidewell
