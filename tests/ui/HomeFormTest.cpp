// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The design form: the selection rules of the analysis type, endcap and edge restraint, the
// options, and filling it from the design.

#include <QCheckBox>
#include <QRadioButton>

#include "UiTestSupport.h"

using namespace tidewell;

class HomeFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    MemorySettingsStore store_;
    std::unique_ptr<DesktopRun> run_;

    QComboBox* Box(const char* name) { return run_->Control<QComboBox>(name); }
    bool Shown(const char* name) { return !run_->Control<QWidget>(name)->isHidden(); }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_, false)); }

    void init() {
        store_.values.clear();
        run_ = std::make_unique<DesktopRun>(store_, folder_.path());
        run_->StartToDesignForm();
        run_->messages.Clear();
    }

    void cleanup() { run_.reset(); }

    void newProjectState() {
        QCOMPARE(Box("BodyBox")->currentText(), QStringLiteral("Tube"));
        QCOMPARE(Box("EndCapBox")->currentIndex(), -1);
        QVERIFY(Shown("ShowBody"));
        QVERIFY(!Shown("EndcapInfo"));
        QCOMPARE(run_->Control<QLineEdit>("Title")->text(), QStringLiteral("Project1"));
        // The first run's defaults: metric, external pressure, both options clear.
        QVERIFY(run_->Control<QRadioButton>("UnitChoiceBox_1")->isChecked());
        QVERIFY(run_->Control<QRadioButton>("PresSourceBox_1")->isChecked());
        QVERIFY(!run_->Control<QCheckBox>("ForceThickChk")->isChecked());
    }

    void endcapOnlyPreselectsFlatCircularThenAnnular() {
        DesktopRun::Choose(Box("BodyBox"), 2);
        QCOMPARE(run_->design.BodyType, kNoBody);
        QCOMPARE(run_->design.EndcapType, kFlatCircularEndcap);
        QCOMPARE(Box("EndCapBox")->currentText(), QStringLiteral("Flat Circular"));
        QCOMPARE(Box("EdgeFix")->currentText(), QStringLiteral("Simply Supported"));
        QVERIFY(!Shown("ShowBody"));
        QVERIFY(Shown("EndcapInfo"));
        QVERIFY(Shown("RestraintFrame"));
        QVERIFY(Shown("ShowEndcap"));

        DesktopRun::Choose(Box("EndCapBox"), 0);
        QCOMPARE(run_->design.EndcapType, kFlatAnnularEndcap);
        QCOMPARE(Box("EdgeFix")->count(), 12);
        QCOMPARE(Box("EdgeFix")->currentIndex(), 4);
        QCOMPARE(Box("EdgeFix")->currentText(), QStringLiteral("Simply Supported/Free"));
        QCOMPARE(run_->design.EdgeRestraint, int16_t{4});
    }

    void optionsWriteTheDesign() {
        run_->design.ProjectChanged = kFalse;
        run_->Control<QRadioButton>("PresSourceBox_0")->click();
        QCOMPARE(run_->design.PressureSource, int16_t{0});
        QCOMPARE(run_->design.ProjectChanged, kTrue);
        run_->Control<QRadioButton>("UnitChoiceBox_0")->click();
        QCOMPARE(run_->design.UnitSystem, int16_t{0});
        run_->Control<QRadioButton>("UnitChoiceBox_1")->click();
        QCOMPARE(run_->design.UnitSystem, int16_t{1});
        run_->Control<QCheckBox>("ForceThickChk")->click();
        QCOMPARE(run_->design.ForceThickWall, int16_t{1});
        run_->Control<QCheckBox>("WorkStrengthChk")->click();
        QCOMPARE(run_->design.UseWorkingStrength, int16_t{1});
        run_->Control<QCheckBox>("WorkStrengthChk")->click();
        QCOMPARE(run_->design.UseWorkingStrength, int16_t{0});
    }

    void fillingStripsControlCharacters() {
        run_->design.ProjectTitle = "Two\rlines";
        run_->main->homeForm()->ShowDesign();
        auto* title = run_->Control<QLineEdit>("Title");
        QCOMPARE(title->text(), QStringLiteral("Twolines"));
    }
};

QTEST_MAIN(HomeFormTest)
#include "HomeFormTest.moc"
