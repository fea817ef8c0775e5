// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the materials tests: a private folder per test and raw file access.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/TestFiles.h"

namespace tidewell::testing {

// Names a parameterised test by the `label` of its row.
struct RowLabel {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.label;
    }
};

}  // namespace tidewell::testing
