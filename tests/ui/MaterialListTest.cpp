// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Browsing the materials window lists materials at once: when the window opens and whenever a
// main category is chosen, the sub-category is "All" and every material of the category is
// listed, none picked for the design until the user picks one.

#include <QFile>

#include "UiTestSupport.h"
#include "ui/MATDBS.h"

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

QStringList Entries(QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    entries.sort();
    return entries;
}

}  // namespace

class MaterialListTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

    void materialsAreListedAtOnce() {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.StartToDesignForm();
        run.Control<QPushButton>("Command1")->click();  // "Choose"
        MATDBS* window = run.main->materialsForm();
        QVERIFY(window);
        auto list = [window](const char* name) {
            return window->findChild<QComboBox*>(QLatin1String(name));
        };
        for (const QString& category :
             {QStringLiteral("All"), QStringLiteral("Metals"), QStringLiteral("Glass")}) {
            // "All" is what the window opens on; the others are chosen alone.
            if (category != QStringLiteral("All"))
                DesktopRun::Choose(list("CategoryList"), list("CategoryList")->findText(category));
            QCOMPARE(list("CategoryList")->currentText(), category);
            QCOMPARE(list("SubCategoryList")->currentText(), QStringLiteral("All"));
            const QStringList expected = ShippedNames(category);
            QVERIFY(!expected.isEmpty());
            QCOMPARE(Entries(list("MaterialList")), expected);
            QCOMPARE(run.design.MaterialName, std::string());
        }
    }
};

QTEST_MAIN(MaterialListTest)
#include "MaterialListTest.moc"
