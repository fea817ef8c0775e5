// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one call of the number formatter and of the general number reader. Every cell of the
// results grid and every figure of the report goes through the formatter, so a call should stay
// well under a microsecond.

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "units/NumberFormat.h"
#include "units/UserMessages.h"

namespace {

// Values of the magnitudes the results grid shows: stresses, depths, deflections, angles.
constexpr std::array<double, 8> kValues{123456.789, 0.000123456, 2.675, -98.7654321,
                                        999.96,     1.5e-12,     4.2e7, 0.05};

void FormatWithFiveDigits(benchmark::State& state, int16_t notation) {
    std::size_t i = 0;
    for (auto _ : state) {
        int16_t digits = 5;
        int16_t code = notation;
        std::string text = tidewell::SigDigFormat(kValues[i], digits, code);
        benchmark::DoNotOptimize(text);
        i = (i + 1) % kValues.size();
    }
}

void BM_SigDigFormatScientific(benchmark::State& state) {
    FormatWithFiveDigits(state, tidewell::kScientificNotation);
}
BENCHMARK(BM_SigDigFormatScientific);

void BM_SigDigFormatFixed(benchmark::State& state) {
    FormatWithFiveDigits(state, tidewell::kFixedNotation);
}
BENCHMARK(BM_SigDigFormatFixed);

// Readers never show a message on these texts; one that did would be a fault.
class NoMessages : public tidewell::UserMessages {
public:
    using tidewell::UserMessages::Show;
    tidewell::MessageAnswer Show(const tidewell::Message&) override {
        return tidewell::MessageAnswer::Ok;
    }
};

const std::array<std::string, 8> kTexts{"123456.789", "  1.2346E-04", "2.675 in", "-98.7654321",
                                        "1,000.5",    "1.5e-12",      "42000000", "0.050"};

void BM_ParseNumber(benchmark::State& state) {
    NoMessages messages;
    std::size_t i = 0;
    for (auto _ : state) {
        double value = tidewell::ParseNumber(kTexts[i], messages);
        benchmark::DoNotOptimize(value);
        i = (i + 1) % kTexts.size();
    }
}
BENCHMARK(BM_ParseNumber);

}  // namespace
