// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pressure range that spans the design: "Fit" picks the smallest range whose upper end reaches
// the failure pressure (the largest when none does) in the range unit shown; a new project's
// first analysis does so by itself, while a project opened from a file keeps its stored range.

#include <QComboBox>
#include <QFile>

#include "UiTestSupport.h"
#include "ui/ResultForm.h"

using namespace tidewell;

namespace {

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

class RangeFitTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

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
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Open(path);
        run.Item("mnuitmAnalyze")->trigger();
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

QTEST_MAIN(RangeFitTest)
#include "RangeFitTest.moc"
