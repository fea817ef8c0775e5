// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the project tests: the scratch folder and byte helpers, and CR LF text.

#include <string>

#include "tests/TestFiles.h"

namespace tidewell::testing {

// Joins lines, each ended by CR LF.
template <typename Lines>
std::string CrLfText(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace tidewell::testing
