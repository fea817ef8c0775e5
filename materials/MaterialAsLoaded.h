// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The design's material as it was loaded from the materials file, in the texts the materials
// window showed at that moment: what the results window's labels and the report quote. Editing
// the material afterwards changes the window's fields, not these texts, until it is saved and
// loaded again.

#include <string>

#include "analysis/ResultsRequest.h"
#include "materials/MaterialUnits.h"

namespace tidewell {

struct MaterialAsLoaded {
    std::string name;  // empty: the design has no material
    std::string mainCategory;
    StrengthCaptions captions;  // of the main category
    MaterialFieldTexts fields;  // value texts, unit selections, comment
};

// Fills the material part of a results request: the design form's material caption and the
// strength captions, values and units. A class without a secondary strength quotes its primary
// strength alone.
void QuoteLoadedMaterial(const MaterialAsLoaded& material, ResultsRequest& request);

}  // namespace tidewell
