// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The size and sweep commands: one dimension of the project varied, the others as saved.

#include "analysis/DesignRecord.h"
#include "app/cli/CliMessages.h"
#include "app/cli/CliOptions.h"

namespace tidewell::cli {

// Exit status of a sweep stopped by Ctrl+C (128 + SIGINT).
inline constexpr int kExitInterrupted = 130;

// Finds the value of the dimension at which the rated depth reaches --depth, prints it with the
// depth reached and the governing mode, and writes the resized project when -o is given. A size
// that cannot be found is explained on standard error (kExitInputError). With the housing's
// endcap project (--endcap), an endcap rating below the target is noted.
int SizeCommand(const DesignRecord& design, const CliOptions& options, CliMessages& messages,
                const DesignRecord* endcapDesign = nullptr);

// One row per value from --from to --to: the failure pressure of every mode, the governing mode
// and, with --safety, the rated depth. Progress on standard error per 10 % of a sweep of 100
// values or more; Ctrl+C ends it after the row being written.
int SweepCommand(const DesignRecord& design, const CliOptions& options, CliMessages& messages);

}  // namespace tidewell::cli
