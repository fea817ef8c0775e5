// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The design form: selection rules, options and filling it from the design; its geometry editors
// and pipe table; and the numeric format dialog's digit rules, live sample and opening.

#include "UiTestSupport.h"
#include "ui/EndCapForm.h"
#include "ui/NumericForm.h"
#include "ui/PIPEIDFORM.h"

using namespace tidewell;

class HomeFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<StartedRun> run_;

    QComboBox* Box(const char* name) { return run_->Control<QComboBox>(name); }
    bool Shown(const char* name) { return !run_->Control<QWidget>(name)->isHidden(); }
    bool Checked(const char* name) { return run_->Control<QAbstractButton>(name)->isChecked(); }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_, false)); }

    void init() {
        run_ = std::make_unique<StartedRun>(folder_.path());
        run_->messages.Clear();
    }

    void cleanup() { run_.reset(); }

    void newProjectState() {
        QCOMPARE(
            (QStringList{Box("BodyBox")->currentText(), run_->Control<QLineEdit>("Title")->text()}),
            Texts({"Tube", "Project1"}));
        QCOMPARE(Box("EndCapBox")->currentIndex(), -1);
        // The first run's defaults: metric, external pressure, both options clear.
        QCOMPARE(
            (std::vector<bool>{Shown("ShowBody"), Shown("EndcapInfo"), Checked("UnitChoiceBox_1"),
                               Checked("PresSourceBox_1"), Checked("ForceThickChk")}),
            (std::vector<bool>{true, false, true, true, false}));
    }

    void endcapOnlyPreselectsFlatCircularThenAnnular() {
        DesktopRun::Choose(Box("BodyBox"), 2);
        QCOMPARE(run_->design.BodyType, kNoBody);
        QCOMPARE(run_->design.EndcapType, kFlatCircularEndcap);
        QCOMPARE(Box("EndCapBox")->currentText(), QStringLiteral("Flat Circular"));
        QCOMPARE(Box("EdgeFix")->currentText(), QStringLiteral("Simply Supported"));
        QCOMPARE((std::vector<bool>{Shown("ShowBody"), Shown("EndcapInfo"), Shown("RestraintFrame"),
                                    Shown("ShowEndcap")}),
                 (std::vector<bool>{false, true, true, true}));

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
        for (const auto& [control, field, value] :
             {std::tuple{"UnitChoiceBox_0", &DesignRecord::UnitSystem, 0},
              {"UnitChoiceBox_1", &DesignRecord::UnitSystem, 1},
              {"ForceThickChk", &DesignRecord::ForceThickWall, 1},
              {"WorkStrengthChk", &DesignRecord::UseWorkingStrength, 1},
              {"WorkStrengthChk", &DesignRecord::UseWorkingStrength, 0}}) {
            run_->Control<QAbstractButton>(control)->click();
            QVERIFY2(run_->design.*field == value, control);
        }
    }

    void fillingStripsControlCharacters() {
        run_->design.ProjectTitle = "Two\rlines";
        run_->main->homeForm()->ShowDesign();
        QCOMPARE(run_->Control<QLineEdit>("Title")->text(), QStringLiteral("Twolines"));
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
        auto* length = Find<QLineEdit>(body, "Var_3");
        length->setFocus();
        QTest::keyClicks(length, QStringLiteral("20"));
        // Save from the keyboard: the focus stays in the field, the record gets its value.
        run_->dialogs.saveAnswers.push_back(
            folder_.filePath(QStringLiteral("t.prj")).toStdString());
        run_->Item("mnuitmSave")->trigger();
        QCOMPARE(run_->design.BodyDimEntered[3], 20.0);
        QCOMPARE(run_->design.ProjectChanged, kFalse);
        Find<QPushButton>(body, "AnalysisButton")->click();
        QCOMPARE(run_->design.AnalysisScope, int16_t{1});
        QCOMPARE(run_->messages.shown.back().title, std::string("Invalid Design Parameters"));
        QVERIFY(run_->messages.shown.back().text.find("Body length") == std::string::npos);
    }

    void aPipePickFillsTheTube() {
        run_->Item("mnuitmBody")->trigger();
        BodyForm* body = run_->main->bodyForm();
        DesktopRun::Choose(Find<QComboBox>(body, "UnitBox_2"), 1);
        Find<QPushButton>(body, "PipeButton")->click();
        QPointer<PIPEIDFORM> table = body->PipeTable();
        QVERIFY(table && table->isVisible());
        VerifyEveryControlNamed(table);
        table->PickCell(7, 12);  // no such pipe: nothing happens
        QVERIFY(table->isVisible());
        table->PickCell(6, 3);  // Sch 40, 2 in
        QTRY_VERIFY(!table);
        QCOMPARE((QStringList{Find<QLineEdit>(body, "Var_0")->text(),
                              Find<QLineEdit>(body, "Var_1")->text(),
                              Find<QLineEdit>(body, "Var_2")->text(),
                              Find<QComboBox>(body, "UnitBox_2")->currentText()}),
                 Texts({"2.0670", "2.3750", "0.15400", "in"}));
        QCOMPARE(run_->design.BodyDim[1], 2.375);
    }

    // What the dialog shows and stores, opened on the stored count and notation and then typed
    // into (the count box or the sample box; an empty text is a deletion). The count shown is the
    // one stored, and every row opens on fixed point (entry 1, code 2). 8 is a count the formatter
    // takes but the box does not: the box's rule gives 4; outside 1 to 12 the dialog shows 5
    // before the first sample; a notation code other than 0 counts as fixed point.
    void formatDialog_data() {
        QTest::addColumn<int>("storedDigits");
        QTest::addColumn<int>("storedNotation");
        QTest::addColumn<QByteArray>("box");  // none: only opened
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("digits");  // shown in the count box and stored
        QTest::addColumn<QString>("sample");
        for (const auto& [name, stored, notation, box, typed, digits, sample] :
             {std::tuple{"5 fixed", 5, 2, "", "", 5, "1234.6"},
              {"8 becomes 4", 8, 2, "", "", 4, "1235"},
              {"0 shows 5", 0, 2, "", "", 5, "1234.6"},
              {"code 1 is fixed", 4, 1, "", "", 4, "1235"},
              {"3.7 keeps 3", 5, 2, "SigDigs", "3.7", 3, "1230"},
              {"0 gives 4", 5, 2, "SigDigs", "0", 4, "1235"},
              {"letters give 4", 5, 2, "SigDigs", "ab", 4, "1235"},
              {"5e0 is 5", 5, 2, "SigDigs", "5e0", 5, "1234.6"},
              {"sample rounds up", 5, 2, "SampleInput", "99999.6", 5, "100000"},
              {"empty sample is zero", 5, 2, "SampleInput", "", 5, "0.0000"}})
            QTest::newRow(name) << stored << notation << QByteArray(box) << QString::fromUtf8(typed)
                                << digits << QString::fromUtf8(sample);
    }

    void formatDialog() {
        QFETCH(int, storedDigits);
        QFETCH(int, storedNotation);
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(int, digits);
        QFETCH(QString, sample);
        DesignRecord design;
        design.SignificantDigits = static_cast<int16_t>(storedDigits);
        design.NumericFormat = static_cast<int16_t>(storedNotation);
        design.ProjectChanged = kFalse;
        ScriptedMessages messages;
        NumericForm form(design, messages);
        form.Open();
        if (!box.isEmpty()) {  // the box's text replaced in one edit, as a paste does
            auto* edit = Find<QLineEdit>(&form, box.constData());
            edit->setFocus();
            edit->selectAll();
            typed.isEmpty() ? edit->del() : edit->insert(typed);
        }
        QCOMPARE(Find<QLineEdit>(&form, "SigDigs")->text(), QString::number(digits));
        QCOMPARE(int{design.SignificantDigits}, digits);
        QCOMPARE(std::pair(Find<QComboBox>(&form, "FormatType")->currentIndex(),
                           int{design.NumericFormat}),
                 std::pair(1, 2));
        QCOMPARE(Find<QLineEdit>(&form, "SampleOutput")->text(), sample);
        // Writing the count into the box counts as an edit.
        QCOMPARE(design.ProjectChanged, kTrue);
        // The rule reads the box itself: nothing it refuses reaches the user as a message.
        QVERIFY(messages.Empty());
    }

    void openedFromMenuAndDoneMarksProjectChanged() {
        DesktopRun& run = *run_;
        QCOMPARE(run.design.ProjectChanged, kFalse);
        run.Item("mnuitmFormat")->trigger();
        QWidget* dialog = DesktopRun::TopLevel("NumericForm");
        QVERIFY(dialog && dialog->isVisible());
        Find<QPushButton>(dialog, "Command1")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(run.design.ProjectChanged, kTrue);
        // So New now asks the save question.
        run.messages.Answer(MessageAnswer::Cancel);
        run.Item("mnuitmNew")->trigger();
        QCOMPARE(run.messages.shown.back().title, std::string("Warning"));
    }
};

QTEST_MAIN(HomeFormTest)
#include "HomeFormTest.moc"
