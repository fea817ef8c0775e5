// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The per-user defaults remembered from one run to the next: the recent projects, the designer,
// the last material, units, pressure source, the two analysis options, the body and endcap
// choice, the significant digits, the number format and the pressure range. Saved when the design
// form closes, applied once when it loads.

#include "analysis/DesignOperations.h"
#include "project/DesignFormState.h"
#include "project/RecentProjects.h"
#include "project/Registry.h"
#include "units/UserMessages.h"

namespace tidewell {

struct PreferencesResult {
    bool ok = true;           // false when the store failed
    DesignUiActions actions;  // what the windows must do after the body and endcap choice
    RecentMenuCaptions recentCaptions;
};

// Applies the stored preferences to a design just started anew (after ResetLayout and
// NewProject), in this order: the four recent projects (an empty value gives "Example1.PRJ" to
// "Example4.PRJ"), the designer, the title and description boxes emptied, the material label
// (the caller loads that material), the units ("ENGLISH" or else metric), the pressure source
// ("INTERNAL" or else external), the two check boxes ("TRUE" ticks), the body and endcap,
// the significant digits (0 or outside 1 to 12 gives 5), the number format (0 gives 2) and the
// pressure range. Values compare exactly, case included. When the store fails, loading stops
// there, "Error reading from the system registry." is shown and the rest keeps the new-project
// values.
PreferencesResult LoadPreferences(Registry& registry, DesignRecord& design, DesignFormState& form,
                                  RecentProjects& recent, UserMessages& messages);

// Stores the preferences at the end of a run from the design form, the design and the recent
// list. Every key is attempted; when the store fails, "Error writing to the system registry." is
// shown once.
PreferencesResult SavePreferences(Registry& registry, const DesignRecord& design,
                                  const DesignFormState& form, const RecentProjects& recent,
                                  UserMessages& messages);

}  // namespace tidewell
