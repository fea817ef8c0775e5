// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The design form: the selection rules of the analysis type, endcap and edge restraint, the
// options, and filling it from the design. And its geometry editors: opened from the form and the
// Design menu, a typed value reaching the design record even when a shortcut moved no focus, the
// pipe size table filling the tube, and a name for every control a screen reader can reach.

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QRadioButton>

#include "UiTestSupport.h"
#include "ui/EndCapForm.h"
#include "ui/PIPEIDFORM.h"

using namespace tidewell;

class HomeFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    MemorySettingsStore store_;
    std::unique_ptr<DesktopRun> run_;

    QComboBox* Box(const char* name) { return run_->Control<QComboBox>(name); }
    bool Shown(const char* name) { return !run_->Control<QWidget>(name)->isHidden(); }
    template <typename T>
    T* In(QWidget* editor, const char* name) {
        return editor->findChild<T*>(QLatin1String(name));
    }

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

    void editorsOpenFromTheFormAndTheMenu() {
        run_->Control<QPushButton>("ShowBody")->click();
        QVERIFY(run_->main->bodyForm());
        QCOMPARE(run_->main->bodyForm()->windowTitle(), QStringLiteral("Tube"));
        VerifyEveryControlNamed(run_->main->bodyForm());
        // Another analysis type closes the body editor; the endcap comes from the menu.
        DesktopRun::Choose(run_->Control<QComboBox>("BodyBox"), 2);
        QTRY_VERIFY(!run_->main->bodyForm());
        QVERIFY(!run_->Item("mnuitmBody")->isEnabled());
        run_->Item("mnuitmEndcap")->trigger();
        QVERIFY(run_->main->endCapForm());
        QCOMPARE(run_->main->endCapForm()->windowTitle(),
                 QStringLiteral("Flat Circular Endcap - Simply Supported"));
        VerifyEveryControlNamed(run_->main->endCapForm());
    }

    void whatWasTypedIsSavedAndAnalysed() {
        run_->Item("mnuitmBody")->trigger();
        BodyForm* body = run_->main->bodyForm();
        auto* length = In<QLineEdit>(body, "Var_3");
        length->setFocus();
        QTest::keyClicks(length, QStringLiteral("20"));
        // Save from the keyboard: the focus stays in the field, the record gets its value.
        run_->dialogs.saveAnswers.push_back(
            folder_.filePath(QStringLiteral("t.prj")).toStdString());
        run_->Item("mnuitmSave")->trigger();
        QCOMPARE(run_->design.BodyDimEntered[3], 20.0);
        QCOMPARE(run_->design.ProjectChanged, kFalse);
        In<QPushButton>(body, "AnalysisButton")->click();
        QCOMPARE(run_->design.AnalysisScope, int16_t{1});
        QCOMPARE(run_->messages.shown.back().title, std::string("Invalid Design Parameters"));
        QVERIFY(run_->messages.shown.back().text.find("Body length") == std::string::npos);
    }

    void aPipePickFillsTheTube() {
        run_->Item("mnuitmBody")->trigger();
        BodyForm* body = run_->main->bodyForm();
        In<QComboBox>(body, "UnitBox_2")->setCurrentIndex(1);
        emit In<QComboBox>(body, "UnitBox_2")->activated(1);
        In<QPushButton>(body, "PipeButton")->click();
        QPointer<PIPEIDFORM> table = body->PipeTable();
        QVERIFY(table && table->isVisible());
        VerifyEveryControlNamed(table);
        table->PickCell(7, 12);  // no such pipe: nothing happens
        QVERIFY(table->isVisible());
        table->PickCell(6, 3);  // Sch 40, 2 in
        QTRY_VERIFY(!table);
        QCOMPARE(In<QLineEdit>(body, "Var_0")->text(), QStringLiteral("2.0670"));
        QCOMPARE(In<QLineEdit>(body, "Var_1")->text(), QStringLiteral("2.3750"));
        QCOMPARE(In<QLineEdit>(body, "Var_2")->text(), QStringLiteral("0.15400"));
        QCOMPARE(In<QComboBox>(body, "UnitBox_2")->currentText(), QStringLiteral("in"));
        QCOMPARE(run_->design.BodyDim[1], 2.375);
    }
};

QTEST_MAIN(HomeFormTest)
#include "HomeFormTest.moc"
