// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told: the names of the controls, the windows that are dialogs, the
// disclaimer's terms as text, the logo as a button, and the design form's keyboard order.

#include <QAccessible>
#include <QAccessibleTextInterface>

#include "UiTestSupport.h"
#include "ui/IntroForm.h"

using namespace tidewell;

namespace {

QAccessibleInterface* Reader(QWidget* widget) {
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// What a screen reader announces a control by: its name, or for a drop-down list (whose name
// on this desktop is its current entry) the label that the list is tied to.
QString NameOf(QWidget* window, const char* control) {
    QAccessibleInterface* reader = Reader(window->findChild<QWidget*>(QLatin1String(control)));
    if (!reader) return QStringLiteral("(no control)");
    if (reader->role() != QAccessible::ComboBox) return reader->text(QAccessible::Name);
    const auto labels = reader->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(CopyMaterialsDatabase(folder_.path()));
    }

    void splashAndDisclaimerAreReadable() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.main->StartUp();
        QWidget* intro = DesktopRun::TopLevel("IntroForm");
        QCOMPARE(Reader(intro)->role(), QAccessible::Dialog);
        auto* logo = intro->findChild<QWidget*>(QStringLiteral("Image1"));
        QCOMPARE(Reader(logo)->role(), QAccessible::Button);
        QCOMPARE(NameOf(intro, "Image1"), QStringLiteral("Tidewell logo"));
        logo->setFocus();
        QTest::keyClick(logo, Qt::Key_Space);
        QCOMPARE(run.messages.Texts(), std::vector<std::string>{AcknowledgementText()});

        DesktopRun::ClickTopLevel("IntroForm", "IntroButton");
        QWidget* disclaimer = DesktopRun::TopLevel("DisclaimerForm");
        QCOMPARE(Reader(disclaimer)->role(), QAccessible::Dialog);
        QAccessibleTextInterface* terms =
            Reader(disclaimer->findChild<QWidget*>(QStringLiteral("pb")))->textInterface();
        QVERIFY(terms);
        QVERIFY(terms->text(0, terms->characterCount())
                    .endsWith(QStringLiteral("the references provided.")));
    }

    void controlsAreAnnouncedByTheirOwnNames() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        DesktopRun::Choose(run.Control<QComboBox>("BodyBox"), 2);
        DesktopRun::Choose(run.Control<QComboBox>("EndCapBox"), 0);
        QWidget* home = run.main->homeForm();
        const std::pair<const char*, const char*> expected[] = {
            {"Title", "Project Title"},
            {"Designer", "Project Designer"},
            {"Description", "Project Description"},
            {"Frame5", "Analysis Options"},
            {"Frame4", "Material"},
            {"Material", "Material"},
            {"Frame1", "Pressure"},
            {"Frame3", "Analysis Type"},
            {"BodyBox", "Analysis Type"},
            {"EndcapInfo", "Endcap Configuration"},
            {"EndCapBox", "Endcap Configuration"},
            {"RestraintFrame", "Edge Restraint Options - Outer/Inner"},
            {"EdgeFix", "Edge Restraint Options - Outer/Inner"},
            {"Frame2", "Units"}};
        for (const auto& [control, name] : expected) {
            QCOMPARE(NameOf(home, control), QLatin1String(name));
        }
        VerifyNoCaptionCut(home);

        run.Item("mnuitmFormat")->trigger();
        QWidget* format = DesktopRun::TopLevel("NumericForm");
        QCOMPARE(Reader(format)->role(), QAccessible::Dialog);
        QCOMPARE(NameOf(format, "SigDigs"),
                 QStringLiteral("Number of Significant digits to display (1to 6):"));
        QCOMPARE(NameOf(format, "FormatType"), QStringLiteral("Format to display in:"));
        QCOMPARE(NameOf(format, "SampleInput"), QStringLiteral("Example input:"));
        QCOMPARE(NameOf(format, "SampleOutput"), QStringLiteral("Example Output:"));
        VerifyNoCaptionCut(format);
        run.Item("mnuitmReferences")->trigger();
        QWidget* references = DesktopRun::TopLevel("ReferenceForm");
        QCOMPARE(Reader(references)->role(), QAccessible::Dialog);
        QCOMPARE(NameOf(references, "pb"), QStringLiteral("References"));
    }

    void tabFollowsTheFormTopToBottomLeftColumnFirst() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        DesktopRun::Choose(run.Control<QComboBox>("BodyBox"), 2);
        QWidget* home = run.main->homeForm();
        // Controls the keyboard can reach now (the geometry and material buttons only once
        // their windows are part of the program).
        const auto reachable = [home](QWidget* widget) {
            return widget->isVisibleTo(home) && widget->isEnabled() &&
                   (widget->focusPolicy() & Qt::TabFocus) && home->isAncestorOf(widget);
        };
        QStringList expected;
        for (const char* name :
             {"Title", "Designer", "Description", "BodyBox", "ShowBody", "EndCapBox", "ShowEndcap",
              "EdgeFix", "Command1", "PresSourceBox_0", "PresSourceBox_1", "UnitChoiceBox_0",
              "UnitChoiceBox_1", "WorkStrengthChk", "ForceThickChk"}) {
            if (reachable(run.Control<QWidget>(name))) expected << QLatin1String(name);
        }
        QStringList order;
        QWidget* widget = run.Control<QWidget>("Title");
        for (int i = 0; i < 200 && order.size() < expected.size(); ++i) {
            if (reachable(widget)) order << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, expected);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
