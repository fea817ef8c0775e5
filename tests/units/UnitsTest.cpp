// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Unit names and factors entry by entry, unknown names, and the choice of a results unit.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "units/ScriptedMessages.h"
#include "units/Units.h"

namespace tidewell {
namespace {

// Expected factors written out as decimals from hand calculation (one unit in base units), so a
// slip in a quotient of the table shows up.
struct FactorRow {
    const char* name;
    double factor;
};

class ConversionFactors : public ::testing::TestWithParam<FactorRow> {};

TEST_P(ConversionFactors, EveryNameAndFactor) {
    ScriptedMessages messages;
    const double got = Conversion(GetParam().name, messages);
    EXPECT_NEAR(got, GetParam().factor, 1e-9 * GetParam().factor);
    EXPECT_TRUE(messages.Empty());
}

std::string RowName(const ::testing::TestParamInfo<FactorRow>& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name.push_back(c);
        } else if (c == '/') {
            name += "Per";
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConversionFactors,
    ::testing::Values(
        FactorRow{"lbs", 1.0}, FactorRow{"kg", 0.4535922921968971}, FactorRow{"psi", 1.0},
        FactorRow{"Ksi", 0.001}, FactorRow{"Kbar", 6.89475908677537e-05},
        FactorRow{"Bar", 0.06894759086775369}, FactorRow{"Mbar", 6.89475908677537e-08},
        FactorRow{"Mpsi", 1e-6}, FactorRow{"MPa", 0.00689476}, FactorRow{"GPa", 6.89476e-6},
        FactorRow{"Ft (sea)", 1.0}, FactorRow{"Ft (fresh)", 1.016260162601626},
        FactorRow{"m (sea)", 0.3048}, FactorRow{"m (fresh)", 0.3097560975609756},
        FactorRow{"Inches", 1.0}, FactorRow{"in", 1.0}, FactorRow{"ft", 0.08333333333333333},
        FactorRow{"Ft", 0.08333333333333333}, FactorRow{"Feet", 0.08333333333333333},
        FactorRow{"feet", 0.08333333333333333}, FactorRow{"m", 0.0254}, FactorRow{"meters", 0.0254},
        FactorRow{"cm", 2.54}, FactorRow{"mm", 25.4}, FactorRow{"Radians", 1.0},
        FactorRow{"Degrees", 57.29577950560105}, FactorRow{"lb/cu in", 1.0},
        FactorRow{"lb/cu ft", 1728.0}, FactorRow{"kg/cu m", 27679.9047},
        FactorRow{"gr/cu cm", 27.6799047}, FactorRow{"kg/cu cm", 0.0276799047}),
    RowName);

// Names compare exactly: other case, extra blanks or a near miss are unrecognised.
class ConversionUnknown : public ::testing::TestWithParam<std::string> {};

TEST_P(ConversionUnknown, MessageAndFactorOne) {
    ScriptedMessages messages;
    EXPECT_EQ(Conversion(GetParam(), messages), 1.0);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text,
              "Unrecognized Units (" + GetParam() + ") in Conversion function");
    EXPECT_EQ(messages.shown[0].title, "Tidewell");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(Names, ConversionUnknown,
                         ::testing::Values("FT", "ksi", " psi", "psi ", "", "Ft(sea)"));

using Names = std::vector<std::string>;

struct SelectRow {
    const char* name;
    Names entries;
    std::string saved;
    int16_t unitSystem;
    std::optional<int> expected;
};

class SelectUnitRows : public ::testing::TestWithParam<SelectRow> {};

TEST_P(SelectUnitRows, Selects) {
    const SelectRow& row = GetParam();
    EXPECT_EQ(SelectUnit(row.entries, row.saved, row.unitSystem), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectUnitRows,
    ::testing::Values(SelectRow{"Capitals", PressUnitList(), "KSI", 1, 0},
                      SelectRow{"EmptyEnglish", StressUnitList(), "", 0, 0},
                      SelectRow{"EmptyMetric", StressUnitList(), "", 1, 1},
                      SelectRow{"UnknownEnglish", PressUnitList(), "furlongs", 0, 0},
                      SelectRow{"UnknownMetric", PressUnitList(), "furlongs", 1, 1},
                      SelectRow{"NameOfOtherList", DeflectionUnitList(), "Ksi", 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
