// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The design record: the one record of the current project. Lengths are inches, stresses and
// moduli psi, density lb/cu in. Flags are -1 (true) and 0 (false) unless a field says otherwise.
// The application owns exactly one instance and passes it by reference.

#include <array>
#include <cstdint>
#include <string>

namespace tidewell {

inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

// BodyType codes.
inline constexpr int16_t kNoBody = 0;
inline constexpr int16_t kHemisphereBody = 8;  // retired: only old project files carry it
inline constexpr int16_t kSphereBody = 9;
inline constexpr int16_t kTubeBody = 10;

// EndcapType codes (endcap list index + 1).
inline constexpr int16_t kNoEndcap = 0;
inline constexpr int16_t kFlatAnnularEndcap = 1;
inline constexpr int16_t kConicalEndcap = 2;
inline constexpr int16_t kHemisphericalEndcap = 3;
inline constexpr int16_t kFlatCircularEndcap = 4;

struct DesignRecord {
    // Project identification
    std::string ProgramVersion;
    std::string ProjectTitle;
    std::string ProjectDescription;
    std::string DesignerName;
    std::string ProjectReserved1;
    std::string ProjectReserved2;

    // Configuration
    int16_t BodyType = kNoBody;
    int16_t EndcapType = kNoEndcap;
    int16_t PressureSource = 0;      // 0 internal, non-zero external (stored as 1)
    int16_t UnitSystem = 0;          // 0 English, non-zero metric (stored as 1)
    int16_t EdgeRestraint = -1;      // index into the endcap's restraint list; -1 none
    int16_t ForceThickWall = 0;      // check state 0/1
    int16_t UseWorkingStrength = 0;  // check state 0/1

    // Material
    std::string MaterialName;
    std::string LoadedMaterialName;
    std::string MaterialClass;
    double YoungsModulus = 0;  // psi
    double PoissonsRatio = 0;
    double Density = 0;            // lb/cu in
    double YieldStrength = 0;      // psi, primary strength
    double SecondaryStrength = 0;  // psi, working (plastics) or compressive (glass, ceramics)

    // Body geometry: [0] inside diameter, [1] outside diameter, [2] wall, [3] length, [4] spare
    std::array<double, 5> BodyDim{};
    std::array<double, 5> BodyDimEntered{};
    std::array<int16_t, 5> BodyDimUnit{-1, -1, -1, -1, -1};
    double BodyVolume = 0;
    double BodyReserved = 0;

    // Endcap geometry: [0] free or inside diameter, [1] outside diameter, [2] thickness,
    // [3] center hole (annular) or height (conical), [4] line-load diameter, [5] iterations,
    // [6] inside diameter of the uniform load, [7] outside diameter of the line-force area
    std::array<double, 8> EndcapDim{};
    std::array<double, 8> EndcapDimEntered{};
    std::array<double, 5> EndcapDimUnit{-1, -1, -1, -1, -1};  // held as doubles
    double EndcapVolume = 0;
    double EndcapReserved = 0;
    int16_t UniformLoadOn = 0;
    int16_t LineLoadOn = 0;
    int16_t LoadOption = 0;  // 0 "Default", -1 "Custom"

    // Output options and results units
    int16_t SignificantDigits = 5;
    int16_t NumericFormat = 2;
    int16_t PressureRange = 4;
    std::string RangeUnit;
    std::string FailureUnit;
    std::string WeightUnit;
    std::string PressureUnit;
    std::string DepthUnit;
    std::string StressUnit;
    std::string DeflectionUnit;
    std::string AngleUnit = "Degrees";

    // Window layout (twips)
    int32_t HomeFormLeft = 250;
    int32_t HomeFormTop = 250;
    int32_t BodyFormLeft = 1000;
    int32_t BodyFormTop = 1000;
    int32_t BodyFormHeight = 4125;
    int32_t EndcapFormLeft = 1250;
    int32_t EndcapFormTop = 1250;
    int32_t EndcapFormHeight = 4125;

    // Run-time state (never saved)
    int16_t ProjectChanged = kFalse;
    std::string ProjectFilePath;
    int16_t ProjectLoadFailed = kFalse;
    int16_t BodyGeometryValid = kFalse;
    int16_t AnalysisScope = 0;         // 0 whole design, 1 body editor run, 2 endcap editor run
    int16_t MaterialNoticesShown = 0;  // bit 1 plastics notice, bit 2 glass/ceramics notice
    // A new project never saved: its first analysis picks the pressure range that reaches the
    // failure pressure. A project from a file keeps its stored range.
    int16_t RangeFitPending = kFalse;
};

// Bits of MaterialNoticesShown.
inline constexpr int16_t kPlasticsNoticeShown = 1;
inline constexpr int16_t kGlassCeramicsNoticeShown = 2;

}  // namespace tidewell
