// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <string>

namespace tidewell {

// The running program's version as project files and reports quote it: major + minor/10 +
// revision/100 written as a number ("4.6" for 4.6.0).
std::string ProgramVersionText();

}  // namespace tidewell
