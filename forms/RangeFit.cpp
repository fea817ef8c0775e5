// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/RangeFit.h"

#include "analysis/ResultsFormat.h"
#include "analysis/ResultsTable.h"
#include "units/ScriptedMessages.h"

namespace tidewell {

int FittedPressureRange(double failurePressurePsi, const std::string& rangeUnit) {
    constexpr int kLargestRange = 5;
    // Both range units are known, so the formatter has nothing to say.
    ScriptedMessages silent;
    ResultsFormatter format(5, 2, silent);
    for (int range = 0; range < kLargestRange; ++range) {
        // A pressure equal to an upper end in the other unit may miss it by a rounding.
        const double upperEnd = PressureRangeSpan(range, rangeUnit, format).end;
        if (upperEnd * (1 + 1e-9) >= failurePressurePsi) return range;
    }
    return kLargestRange;
}

}  // namespace tidewell
