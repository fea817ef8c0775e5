// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The body editor's verdict on the entered body dimensions, for the routes that fill the design
// without the editor (opening a project, the command-line program).

#include "analysis/DesignRecord.h"

namespace tidewell {

// True when the inside and outside diameters and the wall are all greater than 0 and, for a
// tube, the length too: what the body editor requires before it marks the geometry valid.
bool BodyDimensionsComplete(const DesignRecord& design);

// Sets BodyGeometryValid as the body editor does after completing the fields; a design without a
// body is left as it is.
void MarkBodyGeometry(DesignRecord& design);

}  // namespace tidewell
