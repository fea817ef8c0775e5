// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/FailureSearch.h"

#include <cmath>
#include <functional>

#include "analysis/DesignValidation.h"
#include "analysis/StressEngine.h"

namespace tidewell {

namespace {

using StressAt = std::function<double(double pressure)>;

bool IsShell(int16_t code) {
    return code == kConeComponent || code == kHemiEndcapComponent || code == kHemisphereComponent ||
           code == kSphereComponent || code == kTubeComponent;
}

bool IsSphericalShell(int16_t code) {
    return code == kHemiEndcapComponent || code == kHemisphereComponent || code == kSphereComponent;
}

class Searcher {
public:
    Searcher(AnalysisState& s, const FailureSearchSettings& settings, ResultsFormatter& format)
        : s_(s),
          settings_(settings),
          format_(format),
          glass_(IsGlassOrCeramic(settings.materialClass)),
          metal_(IsMetal(settings.materialClass)) {}

    FailureSearchResult Run() {
        FindBucklingPressure();
        if (!error_.Set()) FindShellFailurePressure();
        if (!error_.Set()) FindSeatFailurePressure();
        if (!error_.Set()) FindShearFailurePressure();
        FailureSearchResult result;
        if (error_.Set()) {
            result.error = error_.text;
            return result;
        }
        if (s_.ComponentCode == kCircularPlateComponent) {
            result.frame = PlateCaptionsAndSelection();
        } else {
            result.frame = ShellCaptionsAndSelection();
        }
        return result;
    }

private:
    // One engine call; a result that is not finite stops the run.
    bool Evaluate(double pressure, double radius, int16_t lobes) {
        ComputeStresses(s_, pressure, radius, 0.0, 0.0, lobes, 0);
        if (s_.ResultNotFinite) {
            error_.Raise(NotFiniteText(s_));
            return false;
        }
        return true;
    }

    // The strength a stress is compared with. Glass and ceramics take the tensile strength for
    // a tensile stress and the compressive strength otherwise; the flat circular plate always
    // takes the tensile one.
    double StrengthFor(double stress) {
        if (!glass_) return s_.DesignStrength;
        if (s_.ComponentCode == kCircularPlateComponent || stress > 0) {
            s_.DesignStrength = s_.YieldStrength;
        } else {
            s_.DesignStrength = s_.SecondStrength;
        }
        return s_.DesignStrength;
    }

    // The rescaling search: the pressure at which |S| reaches the strength, 0 when the stress
    // is zero (the mode does not apply).
    double Rescale(const StressAt& stressAt) {
        double pressure = kSearchStartPressure;
        for (int round = 0; round < kSearchMaxRounds; ++round) {
            const double stress = stressAt(pressure);
            if (error_.Set()) return 0.0;
            // A zero stress means the mode does not apply, whatever the strength.
            if (stress == 0) return 0.0;
            const double strength = StrengthFor(stress);
            if (!(strength > 0) || !std::isfinite(strength)) {
                error_.Raise(StrengthNotUsableText());
                return 0.0;
            }
            if (std::fabs((strength - std::fabs(stress)) / strength) < kSearchTolerance) {
                return pressure;
            }
            pressure = pressure * strength / std::fabs(stress);
            if (!std::isfinite(pressure)) break;
        }
        error_.Raise(SearchNotSettledText());
        return 0.0;
    }

    void FindBucklingPressure() {
        if (s_.PressureDirection == kInternalPressure) {
            s_.BucklingPressure = 0;
            return;
        }
        if (s_.ComponentCode == kTubeComponent) {
            FindTubeLobeCount();
        } else if (IsSphericalShell(s_.ComponentCode)) {
            Evaluate(kBucklingTrialPressure, s_.InnerRadius, s_.LobeCount);
        } else {
            s_.BucklingPressure = 0;
        }
    }

    // The lowest buckling pressure over the lobe counts: 2 to 20, then further while each
    // count gives a strictly lower pressure than the one before. Ties keep the smaller count.
    void FindTubeLobeCount() {
        double lowest = 0;
        int16_t lowestCount = kFirstLobeCount;
        double previous = 0;
        for (int16_t n = kFirstLobeCount; n <= kMaxLobeCount; ++n) {
            if (!Evaluate(kBucklingTrialPressure, s_.InnerRadius, n)) return;
            const double pressure = s_.BucklingPressure;
            if (n > kPlainLobeLimit && !(pressure < previous)) break;
            if (n == kFirstLobeCount || pressure < lowest) {
                lowest = pressure;
                lowestCount = n;
            }
            previous = pressure;
        }
        s_.LobeCount = lowestCount;
        Evaluate(kBucklingTrialPressure, s_.InnerRadius, s_.LobeCount);
    }

    void FindShellFailurePressure() {
        if (s_.ComponentCode == kCircularPlateComponent) {
            FindCircularPlateFailurePressures();
            return;
        }
        const bool useEquivalent = metal_ && IsShell(s_.ComponentCode);
        s_.ShellFailurePressure = Rescale([this, useEquivalent](double p) {
            if (!Evaluate(p, s_.InnerRadius, s_.LobeCount)) return 0.0;
            return useEquivalent ? s_.EquivalentStress : s_.HoopStress;
        });
    }

    // Two passes at the plate centre: the radial stress (at the edge when the edge is fixed)
    // and the tangential stress.
    void FindCircularPlateFailurePressures() {
        s_.PlateRadialFailurePressure = 0;
        s_.PlateRadialFailureRadius = 0;
        s_.PlateTangentialFailurePressure = 0;
        s_.PlateTangentialFailureRadius = 0;
        const bool fixedEdge = s_.EdgeRestraint == 1;
        s_.ShellFailurePressure = Rescale([this, fixedEdge](double p) {
            if (!Evaluate(p, 0.0, s_.LobeCount)) return 0.0;
            return fixedEdge ? s_.OuterEdgeRadialStress : s_.PlateRadialStressAtR;
        });
        if (error_.Set()) return;
        s_.PlateRadialFailurePressure = s_.ShellFailurePressure;
        s_.PlateRadialFailureRadius = fixedEdge ? s_.OuterRadius : 0.0;
        s_.ShellFailurePressure = Rescale([this](double p) {
            if (!Evaluate(p, 0.0, s_.LobeCount)) return 0.0;
            return s_.PlateTangentialStressAtR;
        });
        if (error_.Set()) return;
        s_.PlateTangentialFailurePressure = s_.ShellFailurePressure;
        s_.PlateTangentialFailureRadius = 0;
    }

    void FindSeatFailurePressure() {
        const int16_t code = s_.ComponentCode;
        const bool seated = code == kConeComponent || code == kHemiEndcapComponent ||
                            code == kCircularPlateComponent || code == kHemisphereComponent;
        if (s_.PressureDirection == kInternalPressure || !seated) {
            s_.SeatFailurePressure = 0;
            return;
        }
        s_.SeatFailurePressure = Rescale([this](double p) {
            if (!Evaluate(p, s_.InnerRadius, s_.LobeCount)) return 0.0;
            return s_.SeatStress;
        });
    }

    void FindShearFailurePressure() {
        if (glass_ || !IsSphericalShell(s_.ComponentCode) ||
            s_.PressureDirection != kInternalPressure) {
            s_.ShearFailurePressure = 0;
            return;
        }
        s_.ShearFailurePressure = Rescale([this](double p) {
            if (!Evaluate(p, s_.InnerRadius, s_.LobeCount)) return 0.0;
            s_.MaxShearStress = 2.0 * s_.MaxShearStress;
            return s_.MaxShearStress;
        });
    }

    std::string ValueAndUnit(double pressure) {
        return format_.FailureValue(pressure, settings_.failureUnit) + " " + settings_.failureUnit;
    }

    static void MarkNotApplicable(double& pressure) {
        if (pressure <= 0) pressure = kNotApplicablePressure;
    }

    FailureFrame ShellCaptionsAndSelection() {
        FailureFrame frame;
        frame.options.assign(4, FailureOption{});
        // Only a pressure of zero means the mode does not apply; a negative value from the
        // formula is shown as it is (and never governs).
        if (s_.BucklingPressure != 0) {
            std::string caption = "Thin Wall Buckling at " + ValueAndUnit(s_.BucklingPressure);
            if (s_.ComponentCode == kTubeComponent && s_.PressureDirection != kInternalPressure) {
                caption += " by " + std::to_string(s_.LobeCount) + " nodes";
            }
            frame.options[0].caption = caption;
        } else {
            frame.options[0].caption = "Thin Wall Buckling N/A";
        }
        std::string shell = "Shell failure at " + ValueAndUnit(s_.ShellFailurePressure);
        if (s_.WallTheory == kThickWallText) shell += " (Thick wall eq's)";
        if (s_.WallTheory == kThinWallText) shell += " (Thin wall eq's)";
        frame.options[1].caption = shell;
        frame.options[2].caption = s_.SeatFailurePressure > 0
                                       ? "Seat failure at " + ValueAndUnit(s_.SeatFailurePressure)
                                       : "Seat failure N/A";
        frame.options[3].caption = s_.ShearFailurePressure > 0
                                       ? "Shear failure at " + ValueAndUnit(s_.ShearFailurePressure)
                                       : "Shear failure N/A";

        MarkNotApplicable(s_.BucklingPressure);
        MarkNotApplicable(s_.ShellFailurePressure);
        MarkNotApplicable(s_.SeatFailurePressure);
        MarkNotApplicable(s_.ShearFailurePressure);
        const double pressures[4] = {s_.BucklingPressure, s_.ShellFailurePressure,
                                     s_.SeatFailurePressure, s_.ShearFailurePressure};
        // The first mode that is at or below every other governs.
        int governing = 0;
        for (int mode = 0; mode < 4; ++mode) {
            bool lowest = true;
            for (int other = 0; other < 4; ++other) {
                if (other != mode && pressures[mode] > pressures[other]) lowest = false;
            }
            if (lowest) {
                governing = mode;
                break;
            }
        }
        s_.FailureMode = static_cast<int16_t>(governing + 1);
        s_.FailurePressure = pressures[governing];
        frame.selected = governing + 1;
        return frame;
    }

    std::string LocationSuffix(double radius) {
        if (radius == 0) return " (plate center)";
        const CaptionLength length = CaptionLengthFor(settings_.unitSystem);
        return " (free dia. = " + format_.Number(2.0 * radius * length.factor) + " " + length.name +
               ")";
    }

    FailureFrame PlateCaptionsAndSelection() {
        FailureFrame frame;
        frame.options.assign(4, FailureOption{});
        frame.options[3].visible = false;
        frame.options[0].caption = s_.PlateRadialFailurePressure > 0
                                       ? "Radial Stress Failure at " +
                                             ValueAndUnit(s_.PlateRadialFailurePressure) +
                                             LocationSuffix(s_.PlateRadialFailureRadius)
                                       : "Radial Stress Failure N/A";
        frame.options[1].caption = s_.PlateTangentialFailurePressure > 0
                                       ? "Tangential Stress Failure at " +
                                             ValueAndUnit(s_.PlateTangentialFailurePressure) +
                                             LocationSuffix(s_.PlateTangentialFailureRadius)
                                       : "Tangential Stress Failure N/A";
        frame.options[2].caption = s_.SeatFailurePressure > 0
                                       ? "Seat failure at " + ValueAndUnit(s_.SeatFailurePressure)
                                       : "Seat failure N/A";

        MarkNotApplicable(s_.PlateRadialFailurePressure);
        MarkNotApplicable(s_.PlateTangentialFailurePressure);
        MarkNotApplicable(s_.SeatFailurePressure);
        const double radial = s_.PlateRadialFailurePressure;
        const double tangential = s_.PlateTangentialFailurePressure;
        const double seat = s_.SeatFailurePressure;
        if (radial <= tangential && radial <= seat) {
            s_.FailureMode = 1;
            s_.FailurePressure = radial;
            s_.TableEvalRadius = s_.PlateRadialFailureRadius;
        } else if (tangential <= radial && tangential <= seat) {
            s_.FailureMode = 2;
            s_.FailurePressure = tangential;
            s_.TableEvalRadius = s_.PlateTangentialFailureRadius;
        } else {
            s_.FailureMode = 3;
            s_.FailurePressure = seat;
            s_.TableEvalRadius = s_.PlateRadialFailureRadius;
        }
        frame.selected = s_.FailureMode;
        if (s_.TableEvalRadius != 0) {
            frame.evalRadiusLabel = "Table eval dia., De = plate free diameter for Max Radial";
        } else {
            frame.evalRadiusLabel = "Table eval dia., De = plate center for Max Radial";
        }
        frame.evalRadiusLabel2 = "Table eval dia., De = plate center for Max Tangential";
        return frame;
    }

    AnalysisState& s_;
    const FailureSearchSettings& settings_;
    ResultsFormatter& format_;
    const bool glass_;
    const bool metal_;
    RunError error_;
};

}  // namespace

FailureSearchResult FindFailurePressures(AnalysisState& s, const FailureSearchSettings& settings,
                                         ResultsFormatter& format) {
    return Searcher(s, settings, format).Run();
}

}  // namespace tidewell
