// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's wiring: Perform Analysis on every example shows the grid the command-line
// program prints, a unit choice rebuilds and marks the project changed while loading does
// neither, the grid copies as tab-separated text, and an invalid design closes the window once.

#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTableWidget>

#include "UiTestSupport.h"
#include "ui/ResultForm.h"

using namespace tidewell;

namespace {

const char* const kPlasticsNotice = "The effects of time";

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
};

QTEST_MAIN(ResultFormTest)
#include "ResultFormTest.moc"
