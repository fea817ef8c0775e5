// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A user's sessions on a real display: the program under X with a window manager, driven by key
// presses and clicks on its windows. With TIDEWELL_SCREENSHOTS set to a folder, each window is
// photographed there as the sessions reach it (scripts/take-screenshots.sh makes the manual's
// pictures so).

#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "ui/ResultForm.h"

using namespace tidewell;

namespace {

// The window as the screen shows it, frame and all, saved under the given name.
void Photograph(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("TIDEWELL_SCREENSHOTS");
    if (folder.isEmpty() || !window) return;
    QTest::qWait(300);  // the window manager's frame and the last repaint
    const QRect frame = window->window()->frameGeometry();
    const QPixmap shot =
        window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!shot.save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"))) {
        qWarning("could not save the picture %s", name);
    }
}

void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(target, key, modifiers);
}

}  // namespace

class ScenariosTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString Copy(const char* example) {
        const QString target = folder_.filePath(QLatin1String(example));
        QFile::remove(target);
        QFile::copy(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/") + QLatin1String(example),
                    target);
        return target;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(CopyMaterialsDatabase(folder_.path()));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    // New design, the material chosen in the materials window, the tube's geometry typed in its
    // editor, the analysis, and the report saved as text.
    void newTubeToReport() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.main->StartUp();
        Photograph(DesktopRun::TopLevel("IntroForm"), "welcome");
        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        Photograph(DesktopRun::TopLevel("DisclaimerForm"), "disclaimer");
        DesktopRun::ClickTopLevel("DisclaimerForm", "ContinueOn");
        QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
        run.Type("Title", QStringLiteral("Tutorial tube"));
        run.Control<QPushButton>("Command1")->click();  // Choose
        QWidget* materials = run.main->materialsForm();
        QVERIFY(materials);
        for (const auto& [list, entry] : {std::pair{"CategoryList", "Metals"},
                                          {"SubCategoryList", "Titanium"},
                                          {"MaterialList", "Ti-6Al-4V Annealed"}}) {
            auto* box = materials->findChild<QComboBox*>(QLatin1String(list));
            DesktopRun::Choose(box, box->findText(QLatin1String(entry)));
        }
        Photograph(materials, "materials");
        materials->findChild<QPushButton*>(QStringLiteral("Done"))->click();
        QCOMPARE(run.Control<QLabel>("Material")->text(), QStringLiteral("Ti-6Al-4V Annealed"));

        Key(run.main.get(), Qt::Key_B);  // View/Edit Body
        BodyForm* body = run.main->bodyForm();
        QVERIFY(body);
        for (const auto& [field, value] :
             {std::pair{"Var_1", "190"}, {"Var_2", "20"}, {"Var_3", "600"}}) {
            auto* box = body->findChild<QLineEdit*>(QLatin1String(field));
            box->setFocus();
            QTest::keyClicks(box, QLatin1String(value));
            Key(box, Qt::Key_Tab, Qt::NoModifier);
        }
        Photograph(run.main.get(), "body-editor");
        Key(run.main.get(), Qt::Key_A);  // Perform Analysis
        QTRY_VERIFY(run.main->resultForm());
        QCOMPARE(run.messages.Texts(), std::vector<std::string>());
        Photograph(run.main.get(), "results");
        // The smallest range shows stresses of about zero; Fit brings the failure into the table.
        auto* range =
            run.main->resultForm()->findChild<QComboBox*>(QStringLiteral("DistortionRange"));
        DesktopRun::Choose(range, 0);
        run.main->resultForm()->findChild<QPushButton*>(QStringLiteral("FitRange"))->click();
        QCOMPARE(range->currentText(), QStringLiteral("100 - 2000 Bar"));
        Photograph(run.main.get(), "results-fit");

        const QString report = folder_.filePath(QStringLiteral("tube-report.txt"));
        run.dialogs.saveAnswers.push_back(report.toStdString());
        run.main->resultForm()->setFocus();
        run.Item("mnuitmSaveReport")->trigger();
        QFile written(report);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY(text.contains("TUBE CONFIGURATION"));
        QVERIFY(text.contains("Ti-6Al-4V Annealed"));
    }

    // An example opened, turned metric, saved with Ctrl+S and opened again.
    void exampleToMetricAndBack() {
        const QString path = Copy("GlassSphereFloat.prj");
        MemorySettingsStore store;
        {
            DesktopRun run(store, folder_.path());
            run.StartToDesignForm();
            run.dialogs.openAnswers.push_back(path.toStdString());
            Key(run.main.get(), Qt::Key_O);
            QCOMPARE(Caption(run), QStringLiteral("GlassSphereFloat.prj"));
            Photograph(run.main.get(), "design-form");
            run.Control<QRadioButton>("UnitChoiceBox_1")->setFocus();
            Key(run.Control<QRadioButton>("UnitChoiceBox_1"), Qt::Key_Space, Qt::NoModifier);
            QCOMPARE(run.design.ProjectChanged, kTrue);
            Key(run.main.get(), Qt::Key_S);
            QCOMPARE(run.design.ProjectChanged, kFalse);
        }
        DesktopRun again(store, folder_.path());
        again.StartToDesignForm();
        again.dialogs.openAnswers.push_back(path.toStdString());
        Key(again.main.get(), Qt::Key_O);
        QVERIFY(again.Control<QRadioButton>("UnitChoiceBox_1")->isChecked());
        QCOMPARE(again.design.UnitSystem, int16_t{1});
        QCOMPARE(again.messages.Texts(), std::vector<std::string>());
    }

    // Ctrl+Q with a changed design: Cancel stays, No leaves the file, Yes saves it first.
    void quitWithUnsavedChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel") << int(MessageAnswer::Cancel) << false << false;
        QTest::newRow("no") << int(MessageAnswer::No) << true << false;
        QTest::newRow("yes") << int(MessageAnswer::Yes) << true << true;
    }

    void quitWithUnsavedChanges() {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        const QString path = Copy("TitaniumTube6000m.prj");
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        QSignalSpy ended(run.main.get(), &MainForm::programEnded);
        run.StartToDesignForm();
        run.dialogs.openAnswers.push_back(path.toStdString());
        Key(run.main.get(), Qt::Key_O);
        run.Type("Designer", QStringLiteral("Night shift"));
        run.messages.Answer(static_cast<MessageAnswer>(answer));
        Key(run.main.get(), Qt::Key_Q);
        QCOMPARE(run.messages.shown.back().title, std::string("Warning"));
        QTRY_COMPARE(ended.count(), ends ? 1 : 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().contains("Night shift"), saved);
    }
};

QTEST_MAIN(ScenariosTest)
#include "ScenariosTest.moc"
