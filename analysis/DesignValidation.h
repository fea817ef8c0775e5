// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Design validation: the faults that would make the formulas meaningless or divide by zero, listed
// together before an analysis run, and the small design questions the run and the check share
// (which component a run analyses, which strength it designs to).

#include <cstdint>
#include <string>

#include "analysis/AnalysisState.h"
#include "analysis/DesignRecord.h"
#include "units/UserMessages.h"

namespace tidewell {

// AnalysisScope values: the run was started from the body editor (1) or the endcap editor (2).
inline constexpr int16_t kBodyEditorScope = 1;
inline constexpr int16_t kEndcapEditorScope = 2;

inline const char* const kValidationTitle = "Invalid Design Parameters";

// Poisson's ratio of a material must lie above 0 and below this limit.
inline constexpr double kPoissonLimit = 0.5;

struct ValidationResult {
    int16_t valid = kTrue;  // -1 valid, 0 at least one fault
    std::string text;       // one line per fault, each introduced by a carriage return
    std::string title = kValidationTitle;

    bool IsValid() const { return valid != kFalse; }
    // The box the caller shows on a fault: the list, critical icon, OK button.
    Message AsMessage() const { return Message{text, title, MessageIcon::Critical}; }
};

// Lists every fault of the design in the fixed order of the checks. Never changes the design.
ValidationResult ValidateDesign(const DesignRecord& design);

// The component a run analyses: the endcap when the design has no body or the run was started
// from the endcap editor, otherwise the body.
int16_t AnalysedComponent(const DesignRecord& design);

// The material class upper-cased, as the class tests compare it.
std::string UpperCaseClass(const std::string& materialClass);
bool IsMetal(const std::string& materialClass);
bool IsPlastic(const std::string& materialClass);
bool IsGlassOrCeramic(const std::string& materialClass);

// True when the run designs a plastic to its working strength instead of its ultimate strength
// ("Use Working Strength for Plastic" checked).
bool UsesWorkingStrength(const DesignRecord& design, int16_t useWorkingStrengthCheck);

// True when a run of this design compares a compressive stress with the compressive strength of
// a glass or ceramic (external pressure on any component but the flat circular plate, which is
// always designed to its tensile strength).
bool UsesCompressiveStrength(const DesignRecord& design);

}  // namespace tidewell
