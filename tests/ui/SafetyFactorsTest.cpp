// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's safety factors and chart wiring: factors from the preferences rate the
// analysed tube as the command-line program does, with an endcap project as one housing;
// clearing them hides the rating and clears the preferences; the chart lists the table's columns.

#include <QLabel>
#include <QTimer>

#include "UiTestSupport.h"
#include "project/Registry.h"
#include "ui/ResultForm.h"

using namespace tidewell;

class SafetyFactorsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

    void factorsRateTheTubeAndClearingThemHidesTheRating() {
        MemorySettingsStore store;
        Registry registry(store);
        WritePreference(registry, kSafetyStrengthKey, "1.5");
        WritePreference(registry, kSafetyBucklingKey, "3");
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Open(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/TitaniumTube6000m.prj"));
        run.Item("mnuitmAnalyze")->trigger();
        ResultForm* form = run.main->resultForm();
        QVERIFY(form);
        auto* depth = form->findChild<QLabel*>(QStringLiteral("RatedDepthLbl"));
        // tidewell-cli report --safety 1.5,3 prints "Rated depth    :  9968.1 m (sea)".
        QCOMPARE(depth->text(), QStringLiteral("Rated depth: 9968.1 m (sea)"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("GoverningModeLbl"))->text(),
                 QStringLiteral("Governing: Collapse estimate"));

        // The housing's endcap from its own project, as tidewell-cli --endcap rates it; kept in
        // the preferences until cleared.
        auto* housing = form->findChild<QLabel*>(QStringLiteral("HousingRatingLbl"));
        run.dialogs.openAnswers.push_back(TIDEWELL_SOURCE_DIR
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
};

QTEST_MAIN(SafetyFactorsTest)
#include "SafetyFactorsTest.moc"
