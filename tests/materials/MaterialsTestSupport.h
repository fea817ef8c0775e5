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

inline long long FileLength(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<long long>(size);
}

}  // namespace tidewell::testing
