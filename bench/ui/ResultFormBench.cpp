// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one unit change in the results window on the default flat annular plate (50 radial
// increments, both loads): the model re-runs the analysis, the window refills its grid and draws
// itself (offscreen).
// Target: one frame, 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

#include "bench/BenchDesigns.h"
#include "ui/FileDialogs.h"
#include "ui/ResultForm.h"

namespace {

using namespace tidewell;
using namespace tidewell::bench;

class NoDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFile(const FileDialogSetup&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogSetup&) override { return std::nullopt; }
};

void BM_StressUnitChangeRebuildsAndRefillsTheGrid(benchmark::State& state) {
    DesignRecord design = AnnularPlate(50);
    NoMessages messages;
    NoDialogs dialogs;
    ResultForm form(design, messages, dialogs);
    form.show();
    form.Activated();
    auto* stress = form.findChild<QComboBox*>(QStringLiteral("StressUnits"));
    int unit = 0;
    for (auto _ : state) {
        unit = unit == 0 ? 2 : 0;  // Ksi and psi in turn
        emit stress->activated(unit);
        // The frame that shows the new table is drawn as well.
        form.repaint();
    }
    if (form.View().rowCount < 22) state.SkipWithError("no table was built");
}
BENCHMARK(BM_StressUnitChangeRebuildsAndRefillsTheGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
