// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/BodyGeometry.h"

namespace tidewell {

bool BodyDimensionsComplete(const DesignRecord& design) {
    // Written as !(x > 0) so that a NaN read from a damaged file counts as missing.
    for (int i = 0; i < 3; ++i) {
        if (!(design.BodyDim[i] > 0)) return false;
    }
    if (design.BodyType == kTubeBody && !(design.BodyDim[3] > 0)) return false;
    return true;
}

void MarkBodyGeometry(DesignRecord& design) {
    if (design.BodyType <= 0) return;
    design.BodyGeometryValid = BodyDimensionsComplete(design) ? kTrue : kFalse;
}

}  // namespace tidewell
