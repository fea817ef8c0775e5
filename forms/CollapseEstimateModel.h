// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results window's "Collapse estimate" group without its widgets: the tube's out-of-roundness
// field, kept in the preferences for the project it was typed for (the project file keeps its
// layout), the figures the group shows, and the advisory notice, shown once for each new design
// rather than at every run.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "analysis/ResultsView.h"
#include "project/SettingsStore.h"
#include "report/CollapseReport.h"
#include "units/UserMessages.h"

namespace tidewell {

// Preference keys: the out-of-roundness in percent and the project path it belongs to.
inline const char* const kOutOfRoundKey = "OUTOFROUND";
inline const char* const kOutOfRoundProjectKey = "OUTOFROUNDPROJECT";

// The group's figure labels: elastic buckling, yield, interaction, out-of-roundness, estimate.
inline constexpr size_t kCollapseFigureSlots = 5;

// What the group shows after a run.
struct CollapseShown {
    bool visible = false;  // only for an assessed component
    std::string title;     // "Collapse estimate (out-of-roundness 0.5 %)"
    // "Yield pressure: 22419 psi", one a slot; empty where a slot is hidden (a sphere has no
    // out-of-roundness figure).
    std::array<std::string, kCollapseFigureSlots> lines;
    bool outOfRoundField = false;  // the field shows for a tube only
};

class CollapseEstimateModel {
public:
    explicit CollapseEstimateModel(SettingsStore& store) : store_(store) {}

    // Reads the stored out-of-roundness and the project it belongs to; an unusable text is
    // ignored.
    void Load();

    // The out-of-roundness (a fraction) for the design: its project's own, or the default 0.5 %.
    double OutOfRoundness(const DesignRecord& design) const;
    // The field's text, in percent.
    std::string FieldText(const DesignRecord& design) const;

    // The user has typed a percentage and left the field. A number above 0 and below 20 is kept
    // for this project and saved; anything else is refused with a message and changes nothing.
    // Returns true when the estimate must be worked again.
    bool FieldCommitted(const DesignRecord& design, const std::string& text,
                        UserMessages& messages);

    // The group for the view of a run, pressures in the failure unit.
    CollapseShown Show(const ResultsView& view, const std::string& failureUnit,
                       ResultsFormatter& format) const;

    // The advisories of the run, one notice, when they differ from those last shown for this
    // design; nothing otherwise (a unit changed, the same run again).
    std::optional<Message> AdvisoryNotice(const DesignRecord& design, const ResultsView& view,
                                          const std::string& pressureUnit,
                                          ResultsFormatter& format);

private:
    SettingsStore& store_;
    std::string percentText_;  // empty: the default
    double fraction_ = 0;
    std::string project_;
    std::string noticeShownFor_;
};

}  // namespace tidewell
