// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric format dialog: the digit rules of the count box, the live sample, and what opening
// it does to the design.

#include "UiTestSupport.h"
#include "ui/NumericForm.h"

using namespace tidewell;

class NumericFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // The dialog opened on a design with the given stored settings.
    struct Dialog {
        DesignRecord design;
        ScriptedMessages messages;
        NumericForm form{design, messages};

        Dialog(int16_t digits, int16_t notation) {
            design.SignificantDigits = digits;
            design.NumericFormat = notation;
            design.ProjectChanged = kFalse;
            form.Open();
        }
        QLineEdit* Box(const char* name) { return Find<QLineEdit>(&form, name); }
        QComboBox* Format() { return Find<QComboBox>(&form, "FormatType"); }
        // Replaces the box's text in one edit, as a paste does.
        void Type(const char* name, const QString& text) {
            QLineEdit* box = Box(name);
            box->setFocus();
            box->selectAll();
            box->insert(text);
        }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // What the dialog shows and stores when opened on the stored settings: the count shown is the
    // one stored, and every row opens on fixed point (entry 1, code 2).
    void opening_data() {
        QTest::addColumn<int>("storedDigits");
        QTest::addColumn<int>("storedNotation");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("sample");
        QTest::newRow("5 fixed") << 5 << 2 << 5 << "1234.6";
        // 8 is a count the formatter takes but the box does not: the box's rule gives 4.
        QTest::newRow("8 becomes 4") << 8 << 2 << 4 << "1235";
        // Outside 1 to 12 the dialog shows 5 before the first sample.
        QTest::newRow("0 shows 5") << 0 << 2 << 5 << "1234.6";
        // A notation code other than 0 counts as fixed point.
        QTest::newRow("code 1 is fixed") << 4 << 1 << 4 << "1235";
    }

    void opening() {
        QFETCH(int, storedDigits);
        QFETCH(int, storedNotation);
        QFETCH(int, digits);
        QFETCH(QString, sample);
        Dialog dialog(static_cast<int16_t>(storedDigits), static_cast<int16_t>(storedNotation));
        QCOMPARE(dialog.Box("SigDigs")->text(), QString::number(digits));
        QCOMPARE(int{dialog.design.SignificantDigits}, digits);
        QCOMPARE(dialog.Format()->currentIndex(), 1);
        QCOMPARE(int{dialog.design.NumericFormat}, 2);
        QCOMPARE(dialog.Box("SampleOutput")->text(), sample);
        // Writing the count into the box counts as an edit.
        QCOMPARE(dialog.design.ProjectChanged, kTrue);
        QVERIFY(dialog.messages.Empty());
    }

    // Typing into the count box or the sample box; an empty text is a deletion.
    void typedDigits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("digits");  // shown in the count box and stored
        QTest::addColumn<QString>("sample");
        QTest::newRow("3.7 keeps 3") << "SigDigs"
                                     << "3.7" << 3 << "1230";
        QTest::newRow("0 gives 4") << "SigDigs"
                                   << "0" << 4 << "1235";
        QTest::newRow("letters give 4") << "SigDigs"
                                        << "ab" << 4 << "1235";
        QTest::newRow("5e0 is 5") << "SigDigs"
                                  << "5e0" << 5 << "1234.6";
        QTest::newRow("sample rounds up") << "SampleInput"
                                          << "99999.6" << 5 << "100000";
        QTest::newRow("empty sample is zero") << "SampleInput"
                                              << "" << 5 << "0.0000";
    }

    void typedDigits() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, digits);
        QFETCH(QString, sample);
        Dialog dialog(5, 2);
        const QByteArray name = box.toLatin1();
        if (typed.isEmpty()) {
            dialog.Box(name.constData())->selectAll();
            dialog.Box(name.constData())->del();
        } else {
            dialog.Type(name.constData(), typed);
        }
        QCOMPARE(dialog.Box("SigDigs")->text(), QString::number(digits));
        QCOMPARE(int{dialog.design.SignificantDigits}, digits);
        QCOMPARE(dialog.Box("SampleOutput")->text(), sample);
        // The rule reads the box itself: nothing it refuses reaches the user as a message.
        QVERIFY(dialog.messages.Empty());
    }

    void openedFromMenuAndDoneMarksProjectChanged() {
        QVERIFY(folder_.isValid());
        DesktopRun run(folder_.path());
        run.StartToDesignForm();
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

QTEST_MAIN(NumericFormTest)
#include "NumericFormTest.moc"
