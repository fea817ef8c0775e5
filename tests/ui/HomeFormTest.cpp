// The design form: its frames and lists, the selection rules of the analysis type, endcap and
// edge restraint, the visibility rules, the text boxes and options, and filling it from the
// design without counting as an edit.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include "UiTestSupport.h"

using namespace tidewell;

namespace {

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

class HomeFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    MemorySettingsStore store_;
    std::unique_ptr<DesktopRun> run_;

    QComboBox* Box(const char* name) { return run_->Control<QComboBox>(name); }
    bool Shown(const char* name) { return !run_->Control<QWidget>(name)->isHidden(); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
    }

    void init() {
        store_.values.clear();
        run_ = std::make_unique<DesktopRun>(store_, folder_.path());
        run_->StartToDesignForm();
        run_->messages.Clear();
    }

    void cleanup() { run_.reset(); }

    void framesAndCaptions() {
        const std::pair<const char*, const char*> captions[] = {
            {"ProjectFrame", "Project Parameters"},
            {"DesignFrame", "Design Parameters"},
            {"Frame5", "Analysis Options"},
            {"Frame4", "Material"},
            {"Frame1", "Pressure"},
            {"Frame3", "Analysis Type"},
            {"EndcapInfo", "Endcap Configuration"},
            {"Frame2", "Units"}};
        for (const auto& [name, caption] : captions) {
            QCOMPARE(run_->Control<QGroupBox>(name)->title(), QString::fromLatin1(caption));
        }
        const std::pair<const char*, const char*> labels[] = {
            {"Label5", "Project Title"},
            {"DesignerLabel", "Project Designer"},
            {"ProjectLab", "Project Description"}};
        for (const auto& [name, caption] : labels) {
            QCOMPARE(run_->Control<QLabel>(name)->text(), QString::fromLatin1(caption));
        }
        QCOMPARE(run_->Control<QCheckBox>("WorkStrengthChk")->text(),
                 QStringLiteral("Use Working Strength for Plastic"));
        QCOMPARE(run_->Control<QCheckBox>("ForceThickChk")->text(),
                 QStringLiteral("Force Thick Wall Equations"));
        QCOMPARE(run_->Control<QPushButton>("Command1")->text(), QStringLiteral("Choose"));
        QCOMPARE(run_->Control<QPushButton>("ShowBody")->text(), QStringLiteral("Enter Geometry"));
        QCOMPARE(run_->Control<QRadioButton>("PresSourceBox_0")->text(),
                 QStringLiteral("Internal"));
        QCOMPARE(run_->Control<QRadioButton>("PresSourceBox_1")->text(),
                 QStringLiteral("External"));
        QCOMPARE(run_->Control<QRadioButton>("UnitChoiceBox_0")->text(), QStringLiteral("English"));
        QCOMPARE(run_->Control<QRadioButton>("UnitChoiceBox_1")->text(), QStringLiteral("Metric"));
        QCOMPARE(Items(Box("BodyBox")),
                 QStringList({QStringLiteral("Tube"), QStringLiteral("Sphere"),
                              QStringLiteral("Endcap Only")}));
        QCOMPARE(Items(Box("EndCapBox")),
                 QStringList({QStringLiteral("Flat Annular"), QStringLiteral("Conical"),
                              QStringLiteral("Hemispherical"), QStringLiteral("Flat Circular")}));
    }

    void newProjectState() {
        QCOMPARE(Box("BodyBox")->currentText(), QStringLiteral("Tube"));
        QCOMPARE(Box("EndCapBox")->currentIndex(), -1);
        QVERIFY(Shown("ShowBody"));
        QVERIFY(!Shown("EndcapInfo"));
        QCOMPARE(run_->Control<QLineEdit>("Title")->text(), QStringLiteral("Project1"));
        QCOMPARE(run_->Control<QLabel>("Material")->text(), QString());
        // The first run's defaults: metric, external pressure, both options clear.
        QVERIFY(run_->Control<QRadioButton>("UnitChoiceBox_1")->isChecked());
        QVERIFY(run_->Control<QRadioButton>("PresSourceBox_1")->isChecked());
        QVERIFY(!run_->Control<QCheckBox>("ForceThickChk")->isChecked());
        QCOMPARE(run_->design.UnitSystem, int16_t{1});
        QCOMPARE(run_->design.PressureSource, int16_t{1});
    }

    void tubeChosenTwiceKeepsGeometryButMarksChange() {
        run_->design.BodyDim = {4, 5, 0.5, 20, 0};
        run_->design.ProjectChanged = kFalse;
        DesktopRun::Choose(Box("BodyBox"), 0);
        QCOMPARE(run_->design.BodyDim[1], 5.0);
        QCOMPARE(run_->design.ProjectChanged, kTrue);
        QCOMPARE(run_->design.EndcapType, kNoEndcap);
    }

    void sphereChosenTwiceChangesNothing() {
        DesktopRun::Choose(Box("BodyBox"), 1);
        QCOMPARE(run_->design.BodyType, kSphereBody);
        run_->design.BodyDim = {10, 11, 0.5, 0, 0};
        run_->design.ProjectChanged = kFalse;
        DesktopRun::Choose(Box("BodyBox"), 1);
        QCOMPARE(run_->design.ProjectChanged, kFalse);
        QCOMPARE(run_->design.BodyDim[0], 10.0);
    }

    void endcapOnlyPreselectsFlatCircularThenAnnular() {
        DesktopRun::Choose(Box("BodyBox"), 2);
        QCOMPARE(run_->design.BodyType, kNoBody);
        QCOMPARE(run_->design.EndcapType, kFlatCircularEndcap);
        QCOMPARE(Box("EndCapBox")->currentText(), QStringLiteral("Flat Circular"));
        QCOMPARE(Box("EdgeFix")->currentText(), QStringLiteral("Simply Supported"));
        QCOMPARE(Items(Box("EdgeFix")),
                 QStringList({QStringLiteral("Simply Supported"), QStringLiteral("Fixed")}));
        QCOMPARE(run_->Control<QGroupBox>("RestraintFrame")->title(),
                 QStringLiteral("Edge Restraint Options"));
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
        QCOMPARE(run_->Control<QGroupBox>("RestraintFrame")->title(),
                 QStringLiteral("Edge Restraint Options - Outer/Inner"));
    }

    void edgeRestraintChoice() {
        DesktopRun::Choose(Box("BodyBox"), 2);
        DesktopRun::Choose(Box("EndCapBox"), 0);
        run_->design.ProjectChanged = kFalse;
        DesktopRun::Choose(Box("EdgeFix"), 9);
        QCOMPARE(run_->design.EdgeRestraint, int16_t{9});
        QCOMPARE(run_->design.ProjectChanged, kTrue);
    }

    void conicalHidesRestraintAndNeedsNone() {
        QSignalSpy requested(run_->main->homeForm(), &HomeForm::endcapEditorRequested);
        DesktopRun::Choose(Box("BodyBox"), 2);
        DesktopRun::Choose(Box("EndCapBox"), 1);
        QCOMPARE(run_->design.EndcapType, kConicalEndcap);
        QVERIFY(!Shown("RestraintFrame"));
        QVERIFY(Shown("ShowEndcap"));
        run_->main->homeForm()->ShowEndcap_Click();
        QVERIFY(run_->messages.Empty());
        QCOMPARE(requested.count(), 1);
    }

    void endcapGeometryNeedsEndcapAndRestraint() {
        QSignalSpy requested(run_->main->homeForm(), &HomeForm::endcapEditorRequested);
        DesktopRun::Choose(Box("BodyBox"), 2);
        DesktopRun::Choose(Box("EndCapBox"), 0);
        // A plate without a restraint (as a project file can leave it).
        Box("EdgeFix")->setCurrentIndex(-1);
        run_->main->homeForm()->ShowEndcap_Click();
        QCOMPARE(run_->messages.Texts(),
                 std::vector<std::string>({"Endcap edge restraint must be selected"}));
        Box("EndCapBox")->setCurrentIndex(-1);
        run_->main->homeForm()->ShowEndcap_Click();
        QCOMPARE(run_->messages.Texts().back(), std::string("Endcap must be selected"));
        QCOMPARE(run_->messages.shown.back().buttons, MessageButtons::Ok);
        QCOMPARE(requested.count(), 0);
    }

    void bodyAfterEndcapHidesEndcapFrame() {
        DesktopRun::Choose(Box("BodyBox"), 2);
        DesktopRun::Choose(Box("BodyBox"), 0);
        QCOMPARE(run_->design.EndcapType, kNoEndcap);
        QCOMPARE(run_->design.EdgeRestraint, int16_t{-1});
        QCOMPARE(Box("EndCapBox")->currentIndex(), -1);
        QCOMPARE(Box("EdgeFix")->currentIndex(), -1);
        QVERIFY(!Shown("EndcapInfo"));
        QVERIFY(Shown("ShowBody"));
    }

    void titleEditEmptiesFilePath() {
        run_->design.ProjectFilePath = "/tmp/probe.prj";
        run_->design.ProjectChanged = kFalse;
        run_->Type("Title", QStringLiteral("Probe B"));
        QCOMPARE(run_->design.ProjectTitle, std::string("Probe B"));
        QCOMPARE(run_->design.ProjectFilePath, std::string());
        QCOMPARE(run_->design.ProjectChanged, kTrue);
    }

    void designerAndDescriptionEdits() {
        run_->design.ProjectChanged = kFalse;
        run_->Type("Designer", QStringLiteral("M. Reef"));
        QCOMPARE(run_->design.DesignerName, std::string("M. Reef"));
        QCOMPARE(run_->design.ProjectChanged, kTrue);
        run_->Type("Description", QStringLiteral("Camera housing"));
        QCOMPARE(run_->design.ProjectDescription, std::string("Camera housing"));
    }

    void enterInDescriptionAddsNothing() {
        run_->Type("Description", QStringLiteral("One line"));
        auto* description = run_->Control<QLineEdit>("Description");
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClick(description, Qt::Key_Enter);
        QTest::keyClicks(description, QStringLiteral("!"));
        QCOMPARE(description->text(), QStringLiteral("One line!"));
        QCOMPARE(run_->design.ProjectDescription, std::string("One line!"));
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

    void fillingFromTheDesignIsNoEdit() {
        run_->design.ProjectFilePath = "/tmp/opened.prj";
        run_->design.ProjectChanged = kFalse;
        run_->design.ProjectTitle = "From file";
        run_->design.DesignerName = "Someone";
        run_->design.BodyType = kNoBody;
        run_->design.EndcapType = kFlatAnnularEndcap;
        run_->design.EdgeRestraint = 7;
        run_->main->homeForm()->ShowDesign();
        QCOMPARE(run_->Control<QLineEdit>("Title")->text(), QStringLiteral("From file"));
        QCOMPARE(Box("BodyBox")->currentText(), QStringLiteral("Endcap Only"));
        QCOMPARE(Box("EndCapBox")->currentText(), QStringLiteral("Flat Annular"));
        QCOMPARE(Box("EdgeFix")->currentText(), QStringLiteral("Simply Supported/Fixed"));
        QCOMPARE(run_->design.ProjectFilePath, std::string("/tmp/opened.prj"));
        QCOMPARE(run_->design.ProjectChanged, kFalse);
        QCOMPARE(run_->design.EdgeRestraint, int16_t{7});
    }

    void fillingStripsControlCharacters() {
        run_->design.ProjectTitle = "Two\rlines";
        run_->main->homeForm()->ShowDesign();
        auto* title = run_->Control<QLineEdit>("Title");
        QCOMPARE(title->text(), QStringLiteral("Twolines"));
        // The box still takes the user's edits.
        run_->Type("Title", QStringLiteral("Fixed"));
        QCOMPARE(run_->design.ProjectTitle, std::string("Fixed"));
    }

    void windowsNotYetBuiltStayDisabled() {
        QVERIFY(run_->Control<QPushButton>("ShowBody")->isEnabled());
        QVERIFY(run_->Item("mnuitmBody")->isEnabled());
        DesktopRun::Choose(Box("BodyBox"), 2);
        QVERIFY(run_->Item("mnuitmEndcap")->isEnabled());
    }
};

QTEST_MAIN(HomeFormTest)
#include "HomeFormTest.moc"
