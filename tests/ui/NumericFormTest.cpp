// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric format dialog: the digit rules of the count box, the live sample, and what opening
// it does to the design.

#include <QComboBox>
#include <QLabel>

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
        QLineEdit* Box(const char* name) { return form.findChild<QLineEdit*>(QLatin1String(name)); }
        QComboBox* Format() { return form.findChild<QComboBox*>(QStringLiteral("FormatType")); }
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

    // What the dialog shows and stores when opened on the stored settings.
    void opening_data() {
        QTest::addColumn<int>("storedDigits");
        QTest::addColumn<int>("storedNotation");
        QTest::addColumn<QString>("shownDigits");
        QTest::addColumn<int>("digitsAfter");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("notationAfter");
        QTest::addColumn<QString>("sample");
        QTest::newRow("5 fixed") << 5 << 2 << "5" << 5 << 1 << 2 << "1234.6";
        // 8 is a count the formatter takes but the box does not: the box's rule gives 4.
        QTest::newRow("8 becomes 4") << 8 << 2 << "4" << 4 << 1 << 2 << "1235";
        // Outside 1 to 12 the dialog shows 5 before the first sample.
        QTest::newRow("0 shows 5") << 0 << 2 << "5" << 5 << 1 << 2 << "1234.6";
        // A notation code other than 0 counts as fixed point.
        QTest::newRow("code 1 is fixed") << 4 << 1 << "4" << 4 << 1 << 2 << "1235";
    }

    void opening() {
        QFETCH(int, storedDigits);
        QFETCH(int, storedNotation);
        QFETCH(QString, shownDigits);
        QFETCH(int, digitsAfter);
        QFETCH(int, entry);
        QFETCH(int, notationAfter);
        QFETCH(QString, sample);
        Dialog dialog(static_cast<int16_t>(storedDigits), static_cast<int16_t>(storedNotation));
        QCOMPARE(dialog.Box("SigDigs")->text(), shownDigits);
        QCOMPARE(int{dialog.design.SignificantDigits}, digitsAfter);
        QCOMPARE(dialog.Format()->currentIndex(), entry);
        QCOMPARE(int{dialog.design.NumericFormat}, notationAfter);
        QCOMPARE(dialog.Box("SampleOutput")->text(), sample);
        // Writing the count into the box counts as an edit.
        QCOMPARE(dialog.design.ProjectChanged, kTrue);
        QVERIFY(dialog.messages.Empty());
    }

    // Typing into the count box or the sample box; an empty text is a deletion.
    void typedDigits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("sample");
        auto row = [](const char* tag, const char* box, const char* typed, const char* shown,
                      int stored, const char* sample) {
            QTest::newRow(tag) << QString::fromLatin1(box) << QString::fromLatin1(typed)
                               << QString::fromLatin1(shown) << stored
                               << QString::fromLatin1(sample);
        };
        row("3.7 keeps 3", "SigDigs", "3.7", "3", 3, "1230");
        row("0 gives 4", "SigDigs", "0", "4", 4, "1235");
        row("letters give 4", "SigDigs", "ab", "4", 4, "1235");
        row("5e0 is 5", "SigDigs", "5e0", "5", 5, "1234.6");
        row("sample rounds up", "SampleInput", "99999.6", "5", 5, "100000");
        row("empty sample is zero", "SampleInput", "", "5", 5, "0.0000");
    }

    void typedDigits() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        QFETCH(QString, sample);
        Dialog dialog(5, 2);
        const QByteArray name = box.toLatin1();
        if (typed.isEmpty()) {
            dialog.Box(name.constData())->selectAll();
            dialog.Box(name.constData())->del();
        } else {
            dialog.Type(name.constData(), typed);
        }
        QCOMPARE(dialog.Box("SigDigs")->text(), shown);
        QCOMPARE(int{dialog.design.SignificantDigits}, stored);
        QCOMPARE(dialog.Box("SampleOutput")->text(), sample);
        // The rule reads the box itself: nothing it refuses reaches the user as a message.
        QVERIFY(dialog.messages.Empty());
    }

    void openedFromMenuAndDoneMarksProjectChanged() {
        QVERIFY(folder_.isValid());
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        QCOMPARE(run.design.ProjectChanged, kFalse);
        run.Item("mnuitmFormat")->trigger();
        QWidget* dialog = DesktopRun::TopLevel("NumericForm");
        QVERIFY(dialog && dialog->isVisible());
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
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
