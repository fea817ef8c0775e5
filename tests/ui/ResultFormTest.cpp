// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: the grid and the collapse estimate group as the command-line program prints
// them, unit choices, copying, the out-of-roundness, the safety factors and the chart, and "Fit".

#include <QGroupBox>

#include "UiTestSupport.h"
#include "forms/CollapseEstimateModel.h"
#include "project/Registry.h"

using namespace tidewell;

namespace {

const char* const kPlasticsNotice = "The effects of time";
const char* const kFigureLabels[] = {"CollapseElasticLbl", "CollapseYieldLbl",
                                     "CollapseInteractionLbl", "CollapseOutOfRoundLbl",
                                     "CollapseEstimateLbl"};

// The titanium tube example (190 mm O.D.) with another material, bore and wall in mm and another
// stored pressure range; the file's lines are replaced in place.
QString TubeProject(const QString& folder, const QString& name, const char* material, double bore,
                    double wall, int range) {
    QStringList lines =
        QString::fromUtf8(ReadFile(Example("TitaniumTube6000m.prj"))).split(QStringLiteral("\r\n"));
    if (lines.size() < 25) return QString();
    lines[9] = QLatin1String(material);
    lines[14] = QStringLiteral(" %1").arg(range);
    lines[17] = QStringLiteral(" %1").arg(bore / 25.4, 0, 'g', 17);
    lines[18] = QStringLiteral(" %1").arg(bore);
    lines[23] = QStringLiteral(" %1").arg(wall / 25.4, 0, 'g', 17);
    lines[24] = QStringLiteral(" %1").arg(wall);
    const QString path = folder + QLatin1Char('/') + name;
    return WriteFile(path, lines.join(QStringLiteral("\r\n")).toUtf8()) ? path : QString();
}

// The block of tidewell-cli report --collapse: the heading and its figure lines, a figure written
// as the window writes it ("Estimate: 11525 psi (interaction curve)").
QStringList CliBlock(const QString& project, const QStringList& extra = {}) {
    QStringList block;
    for (const QString& line :
         CliOutput(QStringList{QStringLiteral("report"), project, QStringLiteral("--collapse")} +
                   extra)
             .split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Collapse estimate"))) {
            block << line.chopped(1);  // the group's title has no colon
        } else if (!block.isEmpty() && line.startsWith(QLatin1Char('\t'))) {
            block << line.mid(1).replace(QStringLiteral(" : "), QStringLiteral(": "));
        } else if (!block.isEmpty()) {
            break;
        }
    }
    return block;
}

QStringList GroupBlock(ResultForm* form) {
    auto* frame = Find<QGroupBox>(form, "CollapseFrame");
    if (!frame->isVisibleTo(form)) return {};
    QStringList block{frame->title()};
    for (const char* name : kFigureLabels) {
        auto* label = Find<QLabel>(form, name);
        if (label->isVisibleTo(form)) block << label->text();
    }
    return block;
}

}  // namespace

class ResultFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // A run (on its own settings store unless given one) started on a project and analysed.
    std::unique_ptr<StartedRun> Analysed(const QString& project,
                                         MemorySettingsStore* store = nullptr) {
        auto run = store ? std::make_unique<StartedRun>(*store, folder_.path())
                         : std::make_unique<StartedRun>(folder_.path());
        run->Open(project);
        run->Item("mnuitmAnalyze")->trigger();
        return run;
    }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

    // Every example and the E5 experiment: the grid is the table the command line prints, and the
    // collapse estimate group its block (or no group where it says why not).
    void everyProjectShowsWhatTheCommandLinePrints() {
        QStringList projects;
        for (const QString& name :
             QDir(Source("data/examples")).entryList({QStringLiteral("*.prj")}, QDir::Files))
            projects << Example(name);
        QVERIFY(projects.size() >= 6);
        projects << Source("data/verification/ExperimentE5.prj");
        int assessed = 0;
        for (const QString& project : projects) {
            const auto run = Analysed(project);
            auto* grid = run->Result<QTableWidget>("AnaGrid");
            QVERIFY2(grid, qPrintable(project));
            QCoreApplication::processEvents();  // the window fits the captions the run filled in
            VerifyEveryControlNamed(run->main->resultForm());
            // The results name the material the design form shows.
            QCOMPARE(run->Result<QLabel>("MaterialType")->text(),
                     run->Control<QLabel>("Material")->text());
            const QStringList table =
                CliOutput({QStringLiteral("table"), project, QStringLiteral("--csv")})
                    .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            QVERIFY2(table.size() >= 22, qPrintable(project));
            QCOMPARE(GridCsv(grid), table);

            const QStringList group = GroupBlock(run->main->resultForm());
            const QStringList printed = CliBlock(project);
            if (group.isEmpty()) {  // not assessed: the command line says why
                QVERIFY2(printed.value(1).startsWith(QStringLiteral("Not assessed")),
                         qPrintable(project));
            } else {
                ++assessed;
                QCOMPARE(group, printed);
            }
        }
        QCOMPARE(assessed, 4);  // the tube, the sphere, the hemispherical endcap and E5
    }

    void unitChoiceRebuildsAtOnceWhileLoadingDoesNot() {
        const auto run = Analysed(Example("AcrylicAnnularPort.prj"));
        // The stored stress unit was selected while loading: one run, nothing changed.
        QCOMPARE(CountStarting(run->messages, kPlasticsNotice), size_t{1});
        QCOMPARE(run->design.ProjectChanged, kFalse);
        auto* grid = run->Result<QTableWidget>("AnaGrid");
        QVERIFY(grid->horizontalHeaderItem(2)->text().endsWith(QStringLiteral("Stress, psi")));
        auto* stress = run->Result<QComboBox>("StressUnits");
        DesktopRun::Choose(stress, stress->findText(QStringLiteral("Ksi")));
        QVERIFY(grid->horizontalHeaderItem(2)->text().endsWith(QStringLiteral("Stress, Ksi")));
        QCOMPARE(run->design.StressUnit, std::string("Ksi"));
        QCOMPARE(run->design.ProjectChanged, kTrue);
        QCOMPARE(CountStarting(run->messages, kPlasticsNotice), size_t{2});

        // Ten digits at the smallest range give long numbers: no cell is cut short.
        run->design.SignificantDigits = 10;
        DesktopRun::Choose(run->Result<QComboBox>("DistortionRange"), 0);
        const QAbstractItemView* cells = grid;
        for (int c = 0; c < grid->columnCount(); ++c)
            QVERIFY2(grid->columnWidth(c) >= cells->sizeHintForColumn(c),
                     qPrintable(QString::number(c)));
    }

    void gridCopiesAsTabSeparatedText() {
        const auto run = Analysed(Example("TitaniumTube6000m.prj"));
        auto* grid = run->Result<QTableWidget>("AnaGrid");
        grid->setFocus();
        grid->clearSelection();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines =
            QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), grid->rowCount() + 2);
        QVERIFY(lines[0].startsWith(QStringLiteral("Pressure\tDepth\tMax Axial")));
        grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
        run->Item("mnuitmCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 grid->item(0, 0)->text() + QLatin1Char('\t') + grid->item(0, 1)->text() +
                     QLatin1Char('\n') + grid->item(1, 0)->text() + QLatin1Char('\t') +
                     grid->item(1, 1)->text() + QLatin1Char('\n'));
    }

    void invalidDesignAtActivationClosesTheWindowOnce() {
        const auto run = Analysed(Example("TitaniumTube6000m.prj"));
        QVERIFY(run->main->ResultsWindowActive());
        auto* area = run->main->findChild<QMdiArea*>();
        area->setActiveSubWindow(Find<QMdiSubWindow>(run->main.get(), "HomeFormWindow"));
        run->design.BodyDim[2] = 0;  // a change no window reported
        run->messages.Clear();
        area->setActiveSubWindow(Find<QMdiSubWindow>(run->main.get(), "ResultFormWindow"));
        QTRY_VERIFY(!run->main->resultForm());
        QCOMPARE(run->messages.shown.size(), size_t{1});
        QCOMPARE(run->messages.shown[0].title, std::string("Invalid Design Parameters"));
    }

    void outOfRoundnessKeptForItsProjectAndRefusedWhenWrong() {
        MemorySettingsStore store;
        const QString tube = Source("data/verification/ExperimentE5.prj");
        {
            const auto run = Analysed(tube, &store);
            ResultForm* form = run->main->resultForm();
            QVERIFY(form);
            auto* field = Find<QLineEdit>(form, "OutOfRoundText");
            QCOMPARE(field->text(), QStringLiteral("0.5"));
            for (const char* wrong : {"abc", "0", "-1", "20", "25"}) {
                run->messages.Clear();
                field->setText(QLatin1String(wrong));
                emit field->editingFinished();
                QCOMPARE(run->messages.shown.size(), size_t{1});
                QCOMPARE(field->text(), QStringLiteral("0.5"));
            }
            field->setText(QStringLiteral("2"));
            emit field->editingFinished();
            QCOMPARE(GroupBlock(form),
                     CliBlock(tube, {QStringLiteral("--out-of-round"), QStringLiteral("2")}));
        }
        // A restart on the same preferences (one program at a time, as on a desktop): the project
        // keeps its 2 %; another tube has 0.5 %.
        {
            const auto again = Analysed(tube, &store);
            QVERIFY(again->main->resultForm());
            QCOMPARE(again->Result<QLineEdit>("OutOfRoundText")->text(), QStringLiteral("2"));
            QCOMPARE(again->Result<QGroupBox>("CollapseFrame")->title(),
                     QStringLiteral("Collapse estimate (out-of-roundness 2 %)"));
        }
        const auto other = Analysed(Example("TitaniumTube6000m.prj"), &store);
        QVERIFY(other->main->resultForm());
        QCOMPARE(other->Result<QLineEdit>("OutOfRoundText")->text(), QStringLiteral("0.5"));
    }

    void advisoryNoticeOncePerDesign() {
        const auto run = Analysed(Source("data/verification/ExperimentE5.prj"));
        const std::string notice = "Buckling (19240 psi) and material strength (22419 psi)";
        QCOMPARE(CountStarting(run->messages, notice), size_t{1});
        QVERIFY(run->messages.Texts().back().find(
                    "The collapse estimate (11525 psi) is below two thirds of the governing "
                    "failure pressure (19240 psi)") != std::string::npos);
        // Another unit and another run of the same design: no new notice.
        auto* stress = run->Result<QComboBox>("StressUnits");
        DesktopRun::Choose(stress, stress->findText(QStringLiteral("Ksi")));
        run->main->resultForm()->Activated();
        QCOMPARE(CountStarting(run->messages, notice), size_t{1});
        // Without safety factors the warning stands all the same: no factor was set here.
        std::string factor = "?";
        Registry registry(run->ownStore);
        ReadPreference(registry, "SAFETYSTRENGTH", factor);
        QCOMPARE(factor, std::string());
    }

    // The desktop's report carries the block the group shows, and nothing where no group shows.
    void savedReportCarriesTheGroup() {
        for (const auto& [project, block] : {std::pair{"data/verification/ExperimentE5.prj", true},
                                             {"data/examples/AluminumFlatEndcap.prj", false}}) {
            const auto run = Analysed(Source(project));
            const QString path = folder_.filePath(QStringLiteral("report.txt"));
            QFile::remove(path);
            run->dialogs.saveAnswers.push_back(path.toStdString());
            run->Item("mnuitmSaveReport")->trigger();
            const QString text = QString::fromLatin1(ReadFile(path)).remove(QLatin1Char('\r'));
            QVERIFY2(!text.isEmpty(), project);
            QCOMPARE(text.contains(QStringLiteral("Collapse estimate")), block);
            if (!block) continue;
            const QStringList group = GroupBlock(run->main->resultForm());
            QString printed = group.first() + QStringLiteral(":\n");
            for (const QString& figure : group.mid(1)) {
                printed += QLatin1Char('\t') +
                           QString(figure).replace(QStringLiteral(": "), QStringLiteral(" : ")) +
                           QLatin1Char('\n');
            }
            QVERIFY2(text.contains(printed), qPrintable(text));
        }
    }

    void factorsRateTheTubeAndClearingThemHidesTheRating() {
        MemorySettingsStore store;
        Registry registry(store);
        WritePreference(registry, kSafetyStrengthKey, "1.5");
        WritePreference(registry, kSafetyBucklingKey, "3");
        const auto run = Analysed(Example("TitaniumTube6000m.prj"), &store);
        ResultForm* form = run->main->resultForm();
        QVERIFY(form);
        auto* depth = Find<QLabel>(form, "RatedDepthLbl");
        // tidewell-cli report --safety 1.5,3 prints "Rated depth    :  9968.1 m (sea)".
        QCOMPARE((QStringList{depth->text(), Find<QLabel>(form, "GoverningModeLbl")->text()}),
                 Texts({"Rated depth: 9968.1 m (sea)", "Governing: Collapse estimate"}));

        // The housing's endcap from its own project, as tidewell-cli --endcap rates it; kept in
        // the preferences until cleared.
        auto* housing = Find<QLabel>(form, "HousingRatingLbl");
        run->dialogs.openAnswers.push_back(
            Example("AluminumHemisphericalEndcap.prj").toStdString());
        Find<QPushButton>(form, "HousingEndcapButton")->click();
        QCOMPARE(housing->text(),
                 QStringLiteral("Housing (endcap AluminumHemisphericalEndcap.prj): 2424.7 m "
                                "(sea), governed by the endcap (Collapse estimate)"));
        Find<QPushButton>(form, "HousingEndcapClear")->click();
        QVERIFY(housing->isHidden());
        std::string endcap = "?";
        ReadPreference(registry, kHousingEndcapKey, endcap);
        QCOMPARE(endcap, std::string());

        for (const char* name : {"SafetyStrengthText", "SafetyBucklingText"}) {
            auto* field = Find<QLineEdit>(form, name);
            field->setText(QString());
            emit field->editingFinished();
        }
        QVERIFY(depth->isHidden());
        std::string saved = "?";
        ReadPreference(registry, kSafetyStrengthKey, saved);
        QCOMPARE(saved, std::string());

        int columns = -1;
        QTimer::singleShot(0, [&columns] {
            QWidget* chart = QApplication::activeModalWidget();
            if (!chart) return;
            columns = Find<QComboBox>(chart, "ChartColumnBox")->count();
            VerifyEveryControlNamed(chart);
            chart->close();
        });
        Find<QPushButton>(form, "ChartButton")->click();
        QCOMPARE(columns, 6);  // the tube's six stress and deflection columns
    }

    // With TIDEWELL_SCREENSHOTS set to a folder: the manual's pictures of the two groups, on the
    // alumina cylinder rated with factors 1.5 and 3.
    void photographTheGroups() {
        const QString folder = qEnvironmentVariable("TIDEWELL_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("no picture folder given");
        MemorySettingsStore store;
        Registry registry(store);
        WritePreference(registry, "SAFETYSTRENGTH", "1.5");
        WritePreference(registry, "SAFETYBUCKLING", "3");
        const auto run = Analysed(Source("data/verification/ExperimentE5.prj"), &store);
        ResultForm* form = run->main->resultForm();
        form->resize(form->sizeHint().expandedTo(QSize(form->width(), 1100)));
        QCoreApplication::processEvents();
        for (const auto& [frame, picture] : {std::pair{"CollapseFrame", "collapse-estimate"},
                                             {"SafetyFrame", "safety-factors-group"}}) {
            QVERIFY(Find(form, frame)
                        ->grab()
                        .save(folder + QStringLiteral("/%1.png").arg(QLatin1String(picture))));
        }
    }

    // A 0.05 mm wall buckles at about 0.01 m of sea water (0.012 psi, 0.0008 Bar): the smallest
    // range in both units. A 1.3 mm wall at 29 m (42 psi, 2.9 Bar): 10 - 200 psi, but 1 - 20 Bar. A
    // nearly solid silicon carbide tube crushes at 146 km (213000 psi, 14700 Bar): beyond the
    // largest range in both units, which is then taken.
    void fitReachesTheFailurePressure() {
        for (const auto& [material, bore, wall, psiRange, barRange] :
             {std::tuple{"Ti-6Al-4V Annealed", 189.9, 0.05, 0, 0},
              {"Ti-6Al-4V Annealed", 187.4, 1.3, 2, 3},
              {"Silicon Carbide Sintered", 10.0, 90.0, 5, 5}}) {
            const QString path =
                TubeProject(folder_.path(), QStringLiteral("fit.prj"), material, bore, wall, 1);
            QVERIFY(!path.isEmpty());
            const auto run = Analysed(path);
            QVERIFY(run->main->resultForm());
            auto* fit = run->Result<QPushButton>("FitRange");
            QVERIFY(fit);
            QVERIFY(!fit->accessibleName().isEmpty());
            auto* range = run->Result<QComboBox>("DistortionRange");
            auto* unit = run->Result<QComboBox>("DistortionUnits");
            for (const auto& [unitName, expected] : {std::pair{QStringLiteral("psi"), psiRange},
                                                     std::pair{QStringLiteral("Bar"), barRange}}) {
                DesktopRun::Choose(unit, unit->findText(unitName));
                QCOMPARE(range->currentIndex(), 0);  // a new unit starts at its first range
                run->design.ProjectChanged = kFalse;
                fit->click();
                QCOMPARE(range->currentIndex(), expected);
                QVERIFY(range->currentText().endsWith(unitName));
                QCOMPARE(run->design.PressureRange, int16_t(expected));
                QCOMPARE(run->design.ProjectChanged, expected == 0 ? kFalse : kTrue);
            }
        }
    }

    void newProjectIsFittedOnceAndAFileKeepsItsRange() {
        StartedRun run(folder_.path());
        QVERIFY(run.TypeNewTitaniumTube());
        QCOMPARE(run.design.MaterialName, std::string("Ti-6Al-4V Annealed"));
        run.Item("mnuitmAnalyze")->trigger();
        QVERIFY(run.main->resultForm());
        // It fails at 1.46 kbar: the metric design's range becomes 100 - 2000 Bar.
        auto* range = run.Result<QComboBox>("DistortionRange");
        QCOMPARE(range->currentText(), QStringLiteral("100 - 2000 Bar"));
        QCOMPARE(run.design.PressureRange, int16_t{5});

        // Only the first analysis: the user's own range stays at the next one.
        DesktopRun::Choose(range, 0);
        run.Item("mnuitmAnalyze")->trigger();
        QCOMPARE(range->currentIndex(), 0);

        // A project from a file keeps the range it stored (1 - 20 Bar), though Fit would differ.
        const QString path = TubeProject(folder_.path(), QStringLiteral("stored.prj"),
                                         "Ti-6Al-4V Annealed", 150, 20, 3);
        run.messages.Answer(MessageAnswer::No);  // the save prompt
        run.Open(path);
        QTRY_VERIFY(!run.main->resultForm());  // New closed the results of the last design
        run.Item("mnuitmAnalyze")->trigger();
        QVERIFY(run.main->resultForm());
        QCOMPARE(run.Result<QComboBox>("DistortionRange")->currentText(),
                 QStringLiteral("1 - 20 Bar"));
        QCOMPARE(run.design.PressureRange, int16_t{3});
    }
};

QTEST_MAIN(ResultFormTest)
#include "ResultFormTest.moc"
