// The conversion between the materials file's single-byte text and the program's UTF-8.

#include <gtest/gtest.h>

#include <string>

#include "materials/Windows1252.h"
#include "tests/materials/MaterialsTestSupport.h"

namespace tidewell {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

}  // namespace
}  // namespace tidewell
