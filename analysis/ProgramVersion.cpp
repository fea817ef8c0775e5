// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/ProgramVersion.h"

#include <cstdio>

#include "Version.h"

namespace tidewell {

std::string ProgramVersionText() {
    const double version =
        TIDEWELL_VERSION_MAJOR + TIDEWELL_VERSION_MINOR / 10.0 + TIDEWELL_VERSION_PATCH / 100.0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", version);
    std::string text = buffer;
    // Written as the number it is: trailing zeros and a bare point dropped ("4.6", not "4.60").
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace tidewell
