// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lookups in a materials file of 1000 records: every lookup scans the file from its first slot.
// Target on the development machine: under 5 ms each.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "materials/MaterialsFile.h"

namespace {

constexpr int kBenchRecords = 1000;

std::string BenchMaterialName(int i) {
    return "Bench material " + std::to_string(i);
}

// A materials file of kBenchRecords records in a private temporary folder, removed afterwards.
class MaterialsFileFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() /
                  ("tidewell-materials-bench-" + std::to_string(seed()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / tidewell::kMaterialsFileName).string();
        const char* const categories[] = {"Metals", "Plastics", "Glass", "Ceramics"};
        std::vector<tidewell::MaterialRecord> records;
        for (int i = 0; i < kBenchRecords; ++i) {
            tidewell::MaterialRecord record;
            record.Name = BenchMaterialName(i);
            record.MainCategory = categories[i % 4];
            record.SubCategory = "Group " + std::to_string(i % 10);
            record.StrengthValue = 50 + i;
            record.StrengthUnit = "Ksi";
            record.ModulusValue = 30;
            record.ModulusUnit = "Mpsi";
            record.DensityValue = 0.283;
            record.DensityUnit = "lb/cu in";
            record.PoissonValue = 0.3;
            record.Comment = "Generated for the lookup benchmark.";
            record.InUse = tidewell::kMaterialInUse;
            records.push_back(record);
        }
        tidewell::WriteMaterialsFile(path_, records);
    }

    void TearDown(const benchmark::State&) override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

protected:
    std::filesystem::path folder_;
    std::string path_;
};

// The last record: the whole file is scanned.
BENCHMARK_F(MaterialsFileFixture, FindMaterialLastOf1000)(benchmark::State& state) {
    const std::string name = BenchMaterialName(kBenchRecords - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tidewell::FindMaterial(path_, name));
    }
}

BENCHMARK_F(MaterialsFileFixture, FindMaterialMissingOf1000)(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tidewell::FindMaterial(path_, "Not in the file"));
    }
}

BENCHMARK_F(MaterialsFileFixture, ListMaterialNamesAllAllOf1000)(benchmark::State& state) {
    for (auto _ : state) {
        tidewell::NameList names = tidewell::ListMaterialNames(path_, "All", "All");
        benchmark::DoNotOptimize(names.data());
    }
}

BENCHMARK_F(MaterialsFileFixture, ListSubCategoriesAllOf1000)(benchmark::State& state) {
    for (auto _ : state) {
        tidewell::NameList names = tidewell::ListSubCategories(path_, "ALL");
        benchmark::DoNotOptimize(names.data());
    }
}

}  // namespace
