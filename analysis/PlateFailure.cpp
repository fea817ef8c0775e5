// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/PlateFailure.h"

#include <cmath>

#include "analysis/DesignValidation.h"
#include "analysis/FailureSearch.h"
#include "analysis/StressEngine.h"

namespace tidewell {

namespace {

// The plate's failure modes, as indexes of PlateFailurePressures and button numbers.
enum PlateMode {
    kGoverning = 0,
    kRadial = 1,
    kTangential = 2,
    kHoleShear = 3,
    kFreeShear = 4,
    kSeat = 5
};

class PlateSearcher {
public:
    PlateSearcher(AnalysisState& s, const PlateFailureSettings& settings, ResultsFormatter& format)
        : s_(s),
          settings_(settings),
          format_(format),
          glass_(IsGlassOrCeramic(settings.materialClass)) {}

    PlateFailureResult Run() {
        PlateFailureResult result;
        s_.PlateFailurePressures.fill(kNotApplicablePressure);
        s_.PlateFailureRadii.fill(0.0);
        ScanAcrossThePlate();
        if (!error_.Set()) EdgeAndSeatModes();
        if (error_.Set()) {
            result.error = error_.text;
            return result;
        }
        SelectGoverningMode();
        result.frame = Captions();
        return result;
    }

private:
    bool Evaluate(double pressure, double radius) {
        ComputeSelectedPlateLoads(s_, pressure, radius);
        if (s_.ResultNotFinite) {
            error_.Raise(NotFiniteText(s_));
            return false;
        }
        return true;
    }

    // Governing stress of a mode after an evaluation.
    double StressOf(int mode) const {
        switch (mode) {
            case kRadial:
                return s_.PlateRadialStressAtR;
            case kTangential:
                return s_.PlateTangentialStressAtR;
            case kHoleShear:
                return glass_ ? 0.0 : 2.0 * s_.InnerEdgeShearStress;
            case kFreeShear:
                return glass_ ? 0.0 : 2.0 * s_.OuterEdgeShearStress;
            case kSeat:
                return s_.PressureDirection == kInternalPressure ? 0.0 : s_.SeatStress;
            default:
                return 0.0;
        }
    }

    // Glass and ceramics bend to their tensile strength and bear on the seat with their
    // compressive strength.
    double StrengthFor(int mode, double stress) {
        if (glass_) {
            if (mode == kRadial || mode == kTangential) return s_.YieldStrength;
            if (mode == kSeat) {
                s_.DesignStrength = stress > 0 ? s_.YieldStrength : s_.SecondStrength;
            }
        }
        return s_.DesignStrength;
    }

    bool Absent(int mode, double stress) const {
        if (mode == kRadial || mode == kTangential) {
            return std::fabs(stress) < kNegligibleBendingStress;
        }
        return stress == 0;
    }

    // Rescaling at one radius, given the mode's stress of the evaluation at the starting
    // pressure (which every mode at a radius shares). The plate is then evaluated again at each
    // new trial pressure.
    double RescaleAt(int mode, double radius, double stressAtStart) {
        double pressure = kSearchStartPressure;
        double stress = stressAtStart;
        for (int round = 0; round < kSearchMaxRounds; ++round) {
            if (round > 0) {
                if (!Evaluate(pressure, radius)) return kNotApplicablePressure;
                stress = StressOf(mode);
            }
            if (Absent(mode, stress)) return kNotApplicablePressure;
            const double strength = StrengthFor(mode, stress);
            if (!(strength > 0) || !std::isfinite(strength)) {
                error_.Raise(StrengthNotUsableText());
                return kNotApplicablePressure;
            }
            if (std::fabs((strength - std::fabs(stress)) / strength) < kSearchTolerance) {
                return pressure;
            }
            pressure = pressure * strength / std::fabs(stress);
            if (!std::isfinite(pressure)) break;
        }
        error_.Raise(SearchNotSettledText());
        return kNotApplicablePressure;
    }

    void ScanAcrossThePlate() {
        const int n = settings_.increments;
        s_.PlateStressTable.assign(static_cast<size_t>(n), PlateStressRow{});
        const double inner = s_.InnerRadius;
        const double outer = s_.OuterRadius;
        const double dr = (outer - inner) / (n - 1);
        for (int i = 0; i < n; ++i) {
            const double r = i == n - 1 ? outer : inner + i * dr;
            if (!Evaluate(kSearchStartPressure, r)) return;
            const double radialAtStart = StressOf(kRadial);
            const double tangentialAtStart = StressOf(kTangential);
            PlateStressRow& row = s_.PlateStressTable[static_cast<size_t>(i)];
            row.Radius = SinglePrecision(r);
            row.RadialStress = SinglePrecision(radialAtStart);
            row.TangentialStress = SinglePrecision(tangentialAtStart);
            for (int mode : {kRadial, kTangential}) {
                const double atStart = mode == kRadial ? radialAtStart : tangentialAtStart;
                const double pressure = RescaleAt(mode, r, atStart);
                if (error_.Set()) return;
                // Ties keep the radius nearest the hole.
                if (i == 0 || pressure < s_.PlateFailurePressures[mode]) {
                    s_.PlateFailurePressures[mode] = pressure;
                    s_.PlateFailureRadii[mode] = r;
                }
            }
        }
    }

    void EdgeAndSeatModes() {
        const double r = s_.OuterRadius;
        const double radii[] = {s_.InnerRadius, s_.OuterRadius, s_.InnerRadius};
        const int modes[] = {kHoleShear, kFreeShear, kSeat};
        for (int k = 0; k < 3; ++k) {
            const int mode = modes[k];
            if (!Evaluate(kSearchStartPressure, r)) return;
            const double pressure = RescaleAt(mode, r, StressOf(mode));
            if (error_.Set()) return;
            s_.PlateFailurePressures[mode] = pressure;
            s_.PlateFailureRadii[mode] = radii[k];
        }
    }

    // Mode 1 unless a later mode is strictly lower.
    void SelectGoverningMode() {
        int governing = kRadial;
        for (int mode = kTangential; mode <= kSeat; ++mode) {
            if (s_.PlateFailurePressures[mode] < s_.PlateFailurePressures[governing]) {
                governing = mode;
            }
        }
        s_.PlateFailurePressures[kGoverning] = s_.PlateFailurePressures[governing];
        s_.PlateFailureRadii[kGoverning] = s_.PlateFailureRadii[governing];
        s_.PlateFailureMode = static_cast<int16_t>(governing);
        s_.FailurePressure = s_.PlateFailurePressures[governing];
    }

    FailureFrame Captions() {
        const CaptionLength length = CaptionLengthFor(settings_.unitSystem);
        FailureFrame frame;
        frame.annularEvalLabel = "Table eval dia., De (" + length.name + "):";
        frame.options.assign(5, FailureOption{});
        const bool freeShearShown =
            s_.PlateFailurePressures[kFreeShear] < s_.PlateFailurePressures[kHoleShear];
        frame.options[kHoleShear - 1].visible = !freeShearShown;
        frame.options[kFreeShear - 1].visible = freeShearShown;
        frame.selected = s_.PlateFailureMode;

        const char* const titles[] = {"Radial moment failure at ", "Tangential moment failure at ",
                                      "Shear stress failure at ", "Shear stress failure at ",
                                      "Seat failure at "};
        for (int mode = kRadial; mode <= kSeat; ++mode) {
            const double pressure = s_.PlateFailurePressures[mode];
            std::string value = "N/A";
            std::string diameter = "N/A";
            if (pressure < kNotApplicablePressure) {
                value = format_.FailureValue(pressure, settings_.failureUnit);
                diameter = format_.Number(2.0 * s_.PlateFailureRadii[mode] * length.factor);
            }
            std::string caption = titles[mode - 1] + value + " " + settings_.failureUnit;
            if (mode != kSeat) caption += " (Dia. = " + diameter + " " + length.name + ")";
            frame.options[static_cast<size_t>(mode - 1)].caption = caption;
        }
        if (!settings_.recalculatingAtTypedDiameter) {
            frame.proposedEvalDiameter =
                format_.Number(2.0 * s_.PlateFailureRadii[kGoverning] * length.factor);
        }
        return frame;
    }

    AnalysisState& s_;
    const PlateFailureSettings& settings_;
    ResultsFormatter& format_;
    const bool glass_;
    RunError error_;
};

}  // namespace

int RadialIncrements(double storedCount) {
    if (std::isnan(storedCount)) return kMinRadialIncrements;
    if (storedCount >= kMaxRadialIncrements) return kMaxRadialIncrements;
    if (storedCount < kMinRadialIncrements) return kMinRadialIncrements;
    return static_cast<int>(std::floor(storedCount + 0.5));
}

PlateFailureResult FindPlateFailurePressures(AnalysisState& s, const PlateFailureSettings& settings,
                                             ResultsFormatter& format) {
    PlateFailureSettings bounded = settings;
    bounded.increments = RadialIncrements(settings.increments);
    return PlateSearcher(s, bounded, format).Run();
}

}  // namespace tidewell
