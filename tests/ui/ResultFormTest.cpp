// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's wiring: Perform Analysis on every example shows the grid the command-line
// program prints, a unit choice rebuilds and marks the project changed while loading does
// neither, the grid copies as tab-separated text, and an invalid design closes the window once.
// Its collapse estimate group: the figures the command-line program prints for every assessed
// example, the tube's out-of-roundness kept for its project across a restart and refused when
// wrong, and the advisory notice shown once for a design, not at every run. And its safety factors
// and chart wiring: factors from the preferences rate the analysed tube as the command-line program
// does, with an endcap project as one housing; clearing them hides the rating and clears the
// preferences; the chart lists the table's columns. And the pressure range that spans the design:
// "Fit" picks the smallest range whose upper end reaches the failure pressure (the largest when
// none does) in the range unit shown; a new project's first analysis does so by itself, while a
// project opened from a file keeps its stored range.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>

#include "UiTestSupport.h"
#include "forms/CollapseEstimateModel.h"
#include "project/Registry.h"
#include "ui/ResultForm.h"

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
    QFile example(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/TitaniumTube6000m.prj"));
    if (!example.open(QIODevice::ReadOnly)) return QString();
    QStringList lines = QString::fromUtf8(example.readAll()).split(QStringLiteral("\r\n"));
    lines[9] = QLatin1String(material);
    lines[14] = QStringLiteral(" %1").arg(range);
    lines[17] = QStringLiteral(" %1").arg(bore / 25.4, 0, 'g', 17);
    lines[18] = QStringLiteral(" %1").arg(bore);
    lines[23] = QStringLiteral(" %1").arg(wall / 25.4, 0, 'g', 17);
    lines[24] = QStringLiteral(" %1").arg(wall);
    const QString path = folder + QLatin1Char('/') + name;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return QString();
    out.write(lines.join(QStringLiteral("\r\n")).toUtf8());
    return path;
}

QComboBox* ResultList(const DesktopRun& run, const char* name) {
    return run.main->resultForm()->findChild<QComboBox*>(QLatin1String(name));
}

}  // namespace

class ResultFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    std::unique_ptr<DesktopRun> Analysed(MemorySettingsStore& store, const QString& example) {
        return AnalysedRun(store, folder_.path(), example);
    }

    static QTableWidget* Grid(const DesktopRun& run) {
        return run.main->resultForm()
                   ? run.main->resultForm()->findChild<QTableWidget*>(QStringLiteral("AnaGrid"))
                   : nullptr;
    }

    static QString Example(const char* name) {
        return QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/") + QLatin1String(name);
    }

    static QString Source(const char* path) {
        return QStringLiteral(TIDEWELL_SOURCE_DIR "/") + QLatin1String(path);
    }

    // The block of tidewell-cli report --collapse: the heading and its figure lines, a figure
    // written as the window writes it ("Estimate: 11525 psi (interaction curve)").
    static QStringList CliBlock(const QString& project, const QStringList& extra = {}) {
        QProcess cli;
        cli.start(
            QStringLiteral(TIDEWELL_BINARY_DIR "/bin/tidewell-cli"),
            QStringList{QStringLiteral("report"), project, QStringLiteral("--collapse")} + extra);
        if (!cli.waitForFinished(30000)) return {};
        const QStringList lines =
            QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'));
        QStringList block;
        for (const QString& line : lines) {
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

    static QStringList GroupBlock(ResultForm* form) {
        auto* frame = form->findChild<QGroupBox*>(QStringLiteral("CollapseFrame"));
        if (!frame->isVisibleTo(form)) return {};
        QStringList block{frame->title()};
        for (const char* name : kFigureLabels) {
            auto* label = form->findChild<QLabel*>(QLatin1String(name));
            if (label->isVisibleTo(form)) block << label->text();
        }
        return block;
    }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

    void everyExampleShowsTheTableTheCommandLinePrints() {
        const QStringList examples =
            QDir(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples"))
                .entryList({QStringLiteral("*.prj")}, QDir::Files, QDir::Name);
        QVERIFY(examples.size() >= 6);
        for (const QString& name : examples) {
            MemorySettingsStore store;
            const auto run = Analysed(store, Example(name.toUtf8().constData()));
            QTableWidget* grid = Grid(*run);
            QVERIFY2(grid, qPrintable(name));
            QCoreApplication::processEvents();  // the window fits the captions the run filled in
            VerifyEveryControlNamed(run->main->resultForm());
            // The results name the material the design form shows.
            QCOMPARE(
                run->main->resultForm()->findChild<QLabel*>(QStringLiteral("MaterialType"))->text(),
                run->Control<QLabel>("Material")->text());
            QProcess cli;
            cli.start(QStringLiteral(TIDEWELL_BINARY_DIR "/bin/tidewell-cli"),
                      {QStringLiteral("table"), Example(name.toUtf8().constData()),
                       QStringLiteral("--csv")});
            QVERIFY(cli.waitForFinished(30000));
            const QStringList expected = QString::fromUtf8(cli.readAllStandardOutput())
                                             .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            const std::vector<QStringList> rows = GridCells(grid);
            QVERIFY2(expected.size() >= 22, qPrintable(name));
            QCOMPARE(static_cast<qsizetype>(rows.size()), expected.size());
            for (size_t r = 0; r < rows.size(); ++r) QCOMPARE(CsvLine(rows[r]), expected[r]);
        }
    }

    void unitChoiceRebuildsAtOnceWhileLoadingDoesNot() {
        MemorySettingsStore store;
        const auto run = Analysed(store, Example("AcrylicAnnularPort.prj"));
        // The stored stress unit was selected while loading: one run, nothing changed.
        QCOMPARE(CountStarting(run->messages, kPlasticsNotice), size_t{1});
        QCOMPARE(run->design.ProjectChanged, kFalse);
        QTableWidget* grid = Grid(*run);
        QVERIFY(grid->horizontalHeaderItem(2)->text().endsWith(QStringLiteral("Stress, psi")));
        auto* stress =
            run->main->resultForm()->findChild<QComboBox*>(QStringLiteral("StressUnits"));
        DesktopRun::Choose(stress, stress->findText(QStringLiteral("Ksi")));
        QVERIFY(grid->horizontalHeaderItem(2)->text().endsWith(QStringLiteral("Stress, Ksi")));
        QCOMPARE(run->design.StressUnit, std::string("Ksi"));
        QCOMPARE(run->design.ProjectChanged, kTrue);
        QCOMPARE(CountStarting(run->messages, kPlasticsNotice), size_t{2});

        // Ten digits at the smallest range give long numbers: no cell is cut short.
        run->design.SignificantDigits = 10;
        DesktopRun::Choose(
            run->main->resultForm()->findChild<QComboBox*>(QStringLiteral("DistortionRange")), 0);
        const QAbstractItemView* cells = grid;
        for (int c = 0; c < grid->columnCount(); ++c)
            QVERIFY2(grid->columnWidth(c) >= cells->sizeHintForColumn(c),
                     qPrintable(QString::number(c)));
    }

    void gridCopiesAsTabSeparatedText() {
        MemorySettingsStore store;
        const auto run = Analysed(store, Example("TitaniumTube6000m.prj"));
        QTableWidget* grid = Grid(*run);
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
        MemorySettingsStore store;
        const auto run = Analysed(store, Example("TitaniumTube6000m.prj"));
        QVERIFY(run->main->ResultsWindowActive());
        run->main->findChild<QMdiArea*>()->setActiveSubWindow(
            run->main->findChild<QMdiSubWindow*>(QStringLiteral("HomeFormWindow")));
        run->design.BodyDim[2] = 0;  // a change no window reported
        run->messages.Clear();
        run->main->findChild<QMdiArea*>()->setActiveSubWindow(
            run->main->findChild<QMdiSubWindow*>(QStringLiteral("ResultFormWindow")));
        QTRY_VERIFY(!run->main->resultForm());
        QCOMPARE(run->messages.shown.size(), size_t{1});
        QCOMPARE(run->messages.shown[0].title, std::string("Invalid Design Parameters"));
    }

    void groupShowsWhatTheCommandLinePrints() {
        QStringList projects;
        for (const QString& name :
             QDir(Source("data/examples")).entryList({QStringLiteral("*.prj")}, QDir::Files)) {
            projects << Source("data/examples/") + name;
        }
        projects << Source("data/verification/ExperimentE5.prj");
        int assessed = 0;
        for (const QString& project : projects) {
            MemorySettingsStore store;
            const auto run = Analysed(store, project);
            ResultForm* form = run->main->resultForm();
            QVERIFY2(form, qPrintable(project));
            const QStringList group = GroupBlock(form);
            const QStringList printed = CliBlock(project);
            if (group.isEmpty()) {
                // Not assessed: the command line says why, the window shows no group.
                QVERIFY2(printed.value(1).startsWith(QStringLiteral("Not assessed")),
                         qPrintable(project));
                continue;
            }
            ++assessed;
            QCOMPARE(group, printed);
        }
        QCOMPARE(assessed, 4);  // the tube, the sphere, the hemispherical endcap and E5
    }

    void outOfRoundnessKeptForItsProjectAndRefusedWhenWrong() {
        MemorySettingsStore store;
        const QString tube = Source("data/verification/ExperimentE5.prj");
        {
            const auto run = Analysed(store, tube);
            ResultForm* form = run->main->resultForm();
            QVERIFY(form);
            auto* field = form->findChild<QLineEdit*>(QStringLiteral("OutOfRoundText"));
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
        // A restart on the same preferences: the project keeps its 2 %; another tube has 0.5 %.
        // One program runs at a time, as on a desktop.
        {
            const auto again = Analysed(store, tube);
            ResultForm* form = again->main->resultForm();
            QVERIFY(form);
            QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("OutOfRoundText"))->text(),
                     QStringLiteral("2"));
            QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("CollapseFrame"))->title(),
                     QStringLiteral("Collapse estimate (out-of-roundness 2 %)"));
        }
        const auto other = Analysed(store, Source("data/examples/TitaniumTube6000m.prj"));
        QVERIFY(other->main->resultForm());
        QCOMPARE(other->main->resultForm()
                     ->findChild<QLineEdit*>(QStringLiteral("OutOfRoundText"))
                     ->text(),
                 QStringLiteral("0.5"));
    }

    void advisoryNoticeOncePerDesign() {
        MemorySettingsStore store;
        const auto run = Analysed(store, Source("data/verification/ExperimentE5.prj"));
        const std::string notice = "Buckling (19240 psi) and material strength (22419 psi)";
        QCOMPARE(CountStarting(run->messages, notice), size_t{1});
        QVERIFY(run->messages.Texts().back().find(
                    "The collapse estimate (11525 psi) is below two thirds of the governing "
                    "failure pressure (19240 psi)") != std::string::npos);
        // Another unit and another run of the same design: no new notice.
        ResultForm* form = run->main->resultForm();
        auto* stress = form->findChild<QComboBox*>(QStringLiteral("StressUnits"));
        DesktopRun::Choose(stress, stress->findText(QStringLiteral("Ksi")));
        form->Activated();
        QCOMPARE(CountStarting(run->messages, notice), size_t{1});
        // Without safety factors the warning stands all the same: no factor was set here.
        std::string factor = "?";
        Registry registry(store);
        ReadPreference(registry, "SAFETYSTRENGTH", factor);
        QCOMPARE(factor, std::string());
    }

    // The desktop's report carries the block the group shows, and nothing where no group shows.
    void savedReportCarriesTheGroup() {
        const struct {
            const char* project;
            bool block;
        } cases[] = {{"data/verification/ExperimentE5.prj", true},
                     {"data/examples/AluminumFlatEndcap.prj", false}};
        for (const auto& c : cases) {
            MemorySettingsStore store;
            const auto run = Analysed(store, Source(c.project));
            const QString path = folder_.filePath(QStringLiteral("report.txt"));
            QFile::remove(path);
            run->dialogs.saveAnswers.push_back(path.toStdString());
            run->Item("mnuitmSaveReport")->trigger();
            QFile saved(path);
            QVERIFY2(saved.open(QIODevice::ReadOnly), c.project);
            const QString text = QString::fromLatin1(saved.readAll()).remove(QLatin1Char('\r'));
            const QStringList group = GroupBlock(run->main->resultForm());
            QCOMPARE(text.contains(QStringLiteral("Collapse estimate")), c.block);
            if (!c.block) continue;
            QString block = group.first() + QStringLiteral(":\n");
            for (const QString& figure : group.mid(1)) {
                block += QLatin1Char('\t') +
                         QString(figure).replace(QStringLiteral(": "), QStringLiteral(" : ")) +
                         QLatin1Char('\n');
            }
            QVERIFY2(text.contains(block), qPrintable(text));
        }
    }

    void factorsRateTheTubeAndClearingThemHidesTheRating() {
        MemorySettingsStore store;
        Registry registry(store);
        WritePreference(registry, kSafetyStrengthKey, "1.5");
        WritePreference(registry, kSafetyBucklingKey, "3");
        const auto run = Analysed(store, Source("data/examples/TitaniumTube6000m.prj"));
        ResultForm* form = run->main->resultForm();
        QVERIFY(form);
        auto* depth = form->findChild<QLabel*>(QStringLiteral("RatedDepthLbl"));
        // tidewell-cli report --safety 1.5,3 prints "Rated depth    :  9968.1 m (sea)".
        QCOMPARE(depth->text(), QStringLiteral("Rated depth: 9968.1 m (sea)"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("GoverningModeLbl"))->text(),
                 QStringLiteral("Governing: Collapse estimate"));

        // The housing's endcap from its own project, as tidewell-cli --endcap rates it; kept in
        // the preferences until cleared.
        auto* housing = form->findChild<QLabel*>(QStringLiteral("HousingRatingLbl"));
        run->dialogs.openAnswers.push_back(TIDEWELL_SOURCE_DIR
                                           "/data/examples/AluminumHemisphericalEndcap.prj");
        form->findChild<QPushButton*>(QStringLiteral("HousingEndcapButton"))->click();
        QCOMPARE(housing->text(),
                 QStringLiteral("Housing (endcap AluminumHemisphericalEndcap.prj): 2424.7 m "
                                "(sea), governed by the endcap (Collapse estimate)"));
        form->findChild<QPushButton*>(QStringLiteral("HousingEndcapClear"))->click();
        QVERIFY(housing->isHidden());
        std::string endcap = "?";
        ReadPreference(registry, kHousingEndcapKey, endcap);
        QCOMPARE(endcap, std::string());

        for (const char* name : {"SafetyStrengthText", "SafetyBucklingText"}) {
            auto* field = form->findChild<QLineEdit*>(QLatin1String(name));
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
            columns = chart->findChild<QComboBox*>(QStringLiteral("ChartColumnBox"))->count();
            VerifyEveryControlNamed(chart);
            chart->close();
        });
        form->findChild<QPushButton*>(QStringLiteral("ChartButton"))->click();
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
        const auto run = Analysed(store, Source("data/verification/ExperimentE5.prj"));
        ResultForm* form = run->main->resultForm();
        form->resize(form->sizeHint().expandedTo(QSize(form->width(), 1100)));
        QCoreApplication::processEvents();
        QVERIFY(form->findChild<QWidget*>(QStringLiteral("CollapseFrame"))
                    ->grab()
                    .save(folder + QStringLiteral("/collapse-estimate.png")));
        QVERIFY(form->findChild<QWidget*>(QStringLiteral("SafetyFrame"))
                    ->grab()
                    .save(folder + QStringLiteral("/safety-factors-group.png")));
    }

    void fitReachesTheFailurePressure_data() {
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("bore");
        QTest::addColumn<double>("wall");
        QTest::addColumn<int>("psiRange");
        QTest::addColumn<int>("barRange");
        // A 0.05 mm wall buckles at about 0.01 m of sea water (0.012 psi, 0.0008 Bar): the
        // smallest range in both units.
        QTest::newRow("smallest") << "Ti-6Al-4V Annealed" << 189.9 << 0.05 << 0 << 0;
        // A 1.3 mm wall buckles at 29 m (42 psi, 2.9 Bar): 10 - 200 psi, but 1 - 20 Bar.
        QTest::newRow("middle") << "Ti-6Al-4V Annealed" << 187.4 << 1.3 << 2 << 3;
        // A nearly solid silicon carbide tube crushes at 146 km (213000 psi, 14700 Bar): beyond
        // the largest range in both units, which is then taken.
        QTest::newRow("beyond") << "Silicon Carbide Sintered" << 10.0 << 90.0 << 5 << 5;
    }

    void fitReachesTheFailurePressure() {
        QFETCH(QString, material);
        QFETCH(double, bore);
        QFETCH(double, wall);
        QFETCH(int, psiRange);
        QFETCH(int, barRange);
        const QString path = TubeProject(folder_.path(), QStringLiteral("fit.prj"),
                                         material.toUtf8().constData(), bore, wall, 1);
        QVERIFY(!path.isEmpty());
        MemorySettingsStore store;
        const auto analysed = Analysed(store, path);
        DesktopRun& run = *analysed;
        QVERIFY(run.main->resultForm());
        auto* fit = run.main->resultForm()->findChild<QPushButton*>(QStringLiteral("FitRange"));
        QVERIFY(fit);
        QVERIFY(!fit->accessibleName().isEmpty());
        QComboBox* range = ResultList(run, "DistortionRange");
        QComboBox* unit = ResultList(run, "DistortionUnits");
        for (const auto& [unitName, expected] : {std::pair{QStringLiteral("psi"), psiRange},
                                                 std::pair{QStringLiteral("Bar"), barRange}}) {
            DesktopRun::Choose(unit, unit->findText(unitName));
            QCOMPARE(range->currentIndex(), 0);  // a new unit starts at its first range
            run.design.ProjectChanged = kFalse;
            fit->click();
            QCOMPARE(range->currentIndex(), expected);
            QVERIFY(range->currentText().endsWith(unitName));
            QCOMPARE(run.design.PressureRange, int16_t(expected));
            QCOMPARE(run.design.ProjectChanged, expected == 0 ? kFalse : kTrue);
        }
    }

    void newProjectIsFittedOnceAndAFileKeepsItsRange() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        QVERIFY(run.TypeNewTitaniumTube());
        QCOMPARE(run.design.MaterialName, std::string("Ti-6Al-4V Annealed"));
        run.Item("mnuitmAnalyze")->trigger();
        QVERIFY(run.main->resultForm());
        // It fails at 1.46 kbar: the metric design's range becomes 100 - 2000 Bar.
        QComboBox* range = ResultList(run, "DistortionRange");
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
        QCOMPARE(ResultList(run, "DistortionRange")->currentText(), QStringLiteral("1 - 20 Bar"));
        QCOMPARE(run.design.PressureRange, int16_t{3});
    }
};

QTEST_MAIN(ResultFormTest)
#include "ResultFormTest.moc"
