// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The materials window on the real program: listing, picking, adding with every refusal in order,
// editing, renaming, deleting, Cancel, and the commands that close it.

#include "UiTestSupport.h"
#include "materials/MaterialsFile.h"

using namespace tidewell;

namespace {

// Names of the shipped database's materials of a main category ("All": every one), read from
// its readable source: name and main category are its first two fields.
QStringList ShippedNames(const QString& category) {
    QFile source(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/materials.csv"));
    QStringList names;
    if (!source.open(QIODevice::ReadOnly)) return names;
    source.readLine();  // the heading
    while (!source.atEnd()) {
        const QStringList fields = QString::fromUtf8(source.readLine()).split(QLatin1Char(','));
        if (fields.size() > 1 && (category == QStringLiteral("All") || fields[1] == category))
            names << fields[0];
    }
    names.sort();
    return names;
}

}  // namespace

class MaterialsWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    MemorySettingsStore store_;
    std::unique_ptr<StartedRun> run_;

    MATDBS* Window() const { return run_->main->materialsForm(); }
    template <typename T>
    T* W(const char* name) const {
        return Find<T>(Window(), name);
    }
    void Pick(const char* list, const QString& entry) {
        auto* box = W<QComboBox>(list);
        DesktopRun::Choose(box, box->findText(entry));
    }
    // Types into a value field or the text of a list, as the user does.
    void Type(const char* name, const QString& text) {
        QLineEdit* edit = W<QLineEdit>(name);
        if (!edit) edit = W<QComboBox>(name)->lineEdit();
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    }
    void Click(const char* name) { W<QPushButton>(name)->click(); }
    QString Label() const { return run_->Control<QLabel>("Material")->text(); }
    QString Database() const { return folder_.path() + QStringLiteral("/DesMat.Dat"); }
    std::string LastText() const { return run_->messages.shown.back().text; }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_, false)); }

    void init() {
        QVERIFY(CopyMaterialsDatabase(folder_.path()));
        run_ = std::make_unique<StartedRun>(store_, folder_.path());
        run_->Control<QPushButton>("Command1")->click();
        run_->messages.Clear();
    }

    void cleanup() { run_.reset(); }

    // When the window opens and whenever a main category is chosen, the sub-category is "All"
    // and every material of the category is listed at once, none picked for the design.
    void materialsAreListedAtOnce() {
        for (const QString& category :
             {QStringLiteral("All"), QStringLiteral("Metals"), QStringLiteral("Glass")}) {
            // "All" is what the window opens on; the others are chosen alone.
            if (category != QStringLiteral("All")) Pick("CategoryList", category);
            QCOMPARE(W<QComboBox>("CategoryList")->currentText(), category);
            QCOMPARE(W<QComboBox>("SubCategoryList")->currentText(), QStringLiteral("All"));
            const QStringList expected = ShippedNames(category);
            QVERIFY(!expected.isEmpty());
            QStringList listed;
            for (int i = 0; i < W<QComboBox>("MaterialList")->count(); ++i)
                listed << W<QComboBox>("MaterialList")->itemText(i);
            listed.sort();
            QCOMPARE(listed, expected);
            QCOMPARE(run_->design.MaterialName, std::string());
        }
    }

    void browseAddEditDeleteAndCancel() {
        Pick("CategoryList", QStringLiteral("Metals"));
        QCOMPARE(Label(), QString());  // a category alone leaves the design without a material
        Pick("SubCategoryList", QStringLiteral("Steel"));
        QCOMPARE(Label(), QStringLiteral("HY-80 Steel"));
        Click("Done");  // steps back behind the design form
        run_->Control<QPushButton>("Command1")->click();
        Pick("CategoryList", QStringLiteral("Glass"));
        Pick("SubCategoryList", QStringLiteral("All"));
        QCOMPARE(Label(), QStringLiteral("Borosilicate Glass"));
        Click("CancelButton");  // back to the material the design had when the window came up
        QCOMPARE(Label(), QStringLiteral("HY-80 Steel"));
        QCOMPARE(run_->design.YieldStrength, 80000.0);

        // Adding: every refusal in order, one field mended after each.
        Click("btnAdd");
        QCOMPARE(Label(), QString());
        Click("Done");
        Pick("CategoryList", QStringLiteral("Metals"));
        Type("SubCategoryList", QStringLiteral("Aluminum"));
        const std::pair<const char*, const char*> mends[] = {
            {"MaterialList", "Marine Alloy"}, {"YsVal", "-30"},         {"YsVal", "30"},
            {"Youngs_Modulus", "-10"},        {"Youngs_Modulus", "10"}, {"Density", "0.097"},
            {"Poisson_Ratio", "0.6"},         {"Poisson_Ratio", "0.33"}};
        for (const auto& [field, text] : mends) {
            Click("Done");
            Type(field, QString::fromUtf8(text));
        }
        Click("Done");
        QCOMPARE(run_->messages.Texts(),
                 (std::vector<std::string>{
                     "Main Category is invalid.  A Main Category is required for the database.  "
                     "Use of the existing options is highly recommended.  (\"All\" is not a "
                     "valid option).",
                     "Material description is invalid", "Yield Stress value is invalid",
                     "Yield Stress value must be greater than 0", "Youngs Modulus value is invalid",
                     "Youngs Modulus value must be greater than 0", "Density value is invalid",
                     "Poisson's Ratio is invalid",
                     "Poisson's Ratio must be greater than 0 and less than 0.5"}));
        QCOMPARE(Label(), QStringLiteral("Marine Alloy"));
        QCOMPARE(run_->design.YoungsModulus, 10e6);
        // The command-line program finds it in the database.
        QVERIFY(CliOutput({QStringLiteral("materials"), QStringLiteral("--category"),
                           QStringLiteral("Metals"), QStringLiteral("--materials"), Database()})
                    .split(QLatin1Char('\n'))
                    .contains(QStringLiteral("Marine Alloy")));

        // Editing it; then renaming it over another record is refused.
        Click("BtnEdit");
        Type("YsVal", QStringLiteral("31"));
        Click("Done");
        QCOMPARE(run_->design.YieldStrength, 31000.0);
        Click("BtnEdit");
        Type("MaterialList", QStringLiteral("HY-80 Steel"));
        Click("Done");
        QCOMPARE(LastText(), std::string("The material \"Marine Alloy\" not found in database."));
        QVERIFY(!W<QPushButton>("btnAdd")->isEnabled());  // still editing
        Click("CancelButton");
        QCOMPARE(ReadMaterial(Database().toStdString(), "HY-80 Steel").StrengthValue, 80.0);

        run_->Control<QPushButton>("Command1")->click();
        Pick("CategoryList", QStringLiteral("Metals"));
        Pick("SubCategoryList", QStringLiteral("Aluminum"));
        Pick("MaterialList", QStringLiteral("Marine Alloy"));
        Click("btnDelete");
        QCOMPARE(LastText(),
                 std::string("The material \"Marine Alloy\" has been deleted from the database."));
        QCOMPARE(ReadMaterial(Database().toStdString(), "Marine Alloy").InUse, kMaterialFree);
    }

    void oneWindowForChooseAndViewMaterials() {
        run_->Item("mnuitmViewProp")->trigger();
        run_->Control<QPushButton>("Command1")->click();
        QCOMPARE(run_->main->findChildren<MATDBS*>().size(), qsizetype{1});
        QCOMPARE(run_->main->findChild<QMdiArea*>()->activeSubWindow()->widget(), Window());
        VerifyEveryControlNamed(Window());
    }

    void textTheFileCannotHoldIsRefusedAndNewAsksAboutTheAdd() {
        Click("btnAdd");
        Type("MaterialList", QStringLiteral("Alloy "));
        QLineEdit* name = W<QComboBox>("MaterialList")->lineEdit();
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("\u03a9"),
                            Qt::NoModifier);
        QCOMPARE(name->text(), QStringLiteral("Alloy "));
        QVERIFY(LastText().find("\"\u03a9\" (U+03A9)") != std::string::npos);
        QApplication::clipboard()->setText(QStringLiteral("two\nlines"));
        name->paste();
        QVERIFY(!name->text().contains(QLatin1Char('\n')));
        QCOMPARE(name->maxLength(), 50);
        const std::string typed = name->text().toStdString();
        // New asks about the unfinished add: Cancel stays, No closes and saves nothing.
        run_->messages.Answer(MessageAnswer::Cancel);
        run_->Item("mnuitmNew")->trigger();
        QCOMPARE(LastText(), std::string("Save the material changes?"));
        QVERIFY(Window()->isVisible());
        run_->messages.Answer(MessageAnswer::No);
        run_->Item("mnuitmNew")->trigger();
        QVERIFY(!Window()->isVisible());
        QCOMPARE(ReadMaterial(Database().toStdString(), typed).InUse, kMaterialFree);
    }

    void openingTheListIsNotLeavingIt() {
        W<QComboBox>("CategoryList")->setFocus();
        QTRY_VERIFY(W<QComboBox>("CategoryList")->lineEdit()->hasFocus());
        Type("CategoryList", QStringLiteral("Metx"));
        W<QComboBox>("CategoryList")->showPopup();
        QTest::qWait(50);
        QVERIFY(run_->messages.Empty());
        W<QComboBox>("CategoryList")->hidePopup();
        QTest::keyClick(W<QComboBox>("CategoryList")->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE(run_->messages.Texts(),
                     std::vector<std::string>{"You must choose a valid selection from the list"});
    }
};

QTEST_MAIN(MaterialsWindowTest)
#include "MaterialsWindowTest.moc"
