// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The designs the benchmarks run, and the silent messages they run with.

#include "analysis/DesignRecord.h"
#include "units/UserMessages.h"

namespace tidewell::bench {

// Every run of these designs is silent; a message would be a fault of the benchmark.
class NoMessages : public UserMessages {
public:
    using UserMessages::Show;
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
};

inline DesignRecord Aluminium() {
    DesignRecord d;
    d.ProjectTitle = "Benchmark";
    d.MaterialName = d.LoadedMaterialName = "6061-T6";
    d.MaterialClass = "Metals";
    d.YoungsModulus = 10.0e6;
    d.PoissonsRatio = 0.33;
    d.Density = 0.098;
    d.YieldStrength = 35000;
    d.PressureSource = 1;
    return d;
}

inline DesignRecord ExternalTube() {
    DesignRecord d = Aluminium();
    d.BodyType = kTubeBody;
    d.BodyDim = {4.8, 5, 0.1, 20, 0};
    return d;
}

// The default flat annular plate (both loads) with the given radial increments.
inline DesignRecord AnnularPlate(double increments) {
    DesignRecord d = Aluminium();
    d.EndcapType = kFlatAnnularEndcap;
    d.EdgeRestraint = 4;
    d.UniformLoadOn = kTrue;
    d.LineLoadOn = kTrue;
    d.EndcapDim = {6, 7, 0.5, 1, 4, increments, 1, 5};
    return d;
}

}  // namespace tidewell::bench
