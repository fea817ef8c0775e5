// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved work survives a run that never ended: a changed design is copied aside, the next run
// offers it after the disclaimer and brings it back whole as unsaved work of its own file; No
// removes the copy, and a damaged copy is reported and kept under another name.

#include <QDir>
#include <QFile>

#include "UiTestSupport.h"
#include "project/ProjectWriter.h"

using namespace tidewell;

namespace {

const char* const kQuestionStart = "Recover the unsaved design \"";

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString recovery_;

    QString CopyPath() const { return recovery_ + QStringLiteral("/Recovery.prj"); }

    // A run whose design was opened from the example and then changed, left without quitting
    // once the copy has been written, as a crash leaves it; returns the design it had. A new
    // title makes it a design of no file; a new designer keeps its file.
    DesignRecord CrashedRun(const QString& title, const QString& designer) {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path(), QString(), recovery_);
        run.StartToDesignForm();
        run.Open(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/TitaniumTube6000m.prj"));
        if (!title.isEmpty()) run.Type("Title", title);
        run.Type("Designer", designer);
        run.Control<QAbstractButton>("ForceThickChk")->click();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(CopyPath()), 2500); }();
        return run.design;
    }

private slots:
    void initTestCase() {
        QVERIFY(PrepareTestFolder(folder_));
        recovery_ = folder_.filePath(QStringLiteral("recovery"));
    }

    void init() { QDir(recovery_).removeRecursively(); }

    void recoveredDesignIsTheUnsavedOne() {
        const DesignRecord lost = CrashedRun(QString(), QStringLiteral("R. Diver"));
        QVERIFY(!QTest::currentTestFailed());

        MemorySettingsStore store;
        DesktopRun next(store, folder_.path(), QString(), recovery_);
        next.messages.Answer(MessageAnswer::Yes);
        next.StartToDesignForm();
        QVERIFY(next.messages.Texts().at(0).rfind(
                    std::string(kQuestionStart) + "Titanium tube for 6000 m\" (changed ", 0) == 0);
        // Every field a project holds, the material's properties, and the file it belongs to.
        QCOMPARE(ProjectFileText(next.design), ProjectFileText(lost));
        QCOMPARE(next.design.YoungsModulus, lost.YoungsModulus);
        QCOMPARE(next.design.Density, lost.Density);
        QCOMPARE(next.design.YieldStrength, lost.YieldStrength);
        QVERIFY(QString::fromStdString(lost.ProjectFilePath)
                    .endsWith(QStringLiteral("TitaniumTube6000m.prj")));
        QCOMPARE(next.design.ProjectFilePath, lost.ProjectFilePath);
        QCOMPARE(Caption(next), QStringLiteral("TitaniumTube6000m.prj"));
        QCOMPARE(next.design.ProjectChanged, kTrue);

        // Saved to its own place (Save As here, to keep the example): the copy goes.
        const QString saved = folder_.filePath(QStringLiteral("saved.prj"));
        next.dialogs.saveAnswers.push_back(saved.toStdString());
        next.Item("mnuitmSaveAs")->trigger();
        QVERIFY(QFile::exists(saved));
        QVERIFY(!QFile::exists(CopyPath()));
    }

    void noRemovesTheCopy() {
        CrashedRun(QStringLiteral("Given up"), QStringLiteral("R. Diver"));
        QVERIFY(!QTest::currentTestFailed());
        MemorySettingsStore store;
        DesktopRun next(store, folder_.path(), QString(), recovery_);
        next.messages.Answer(MessageAnswer::No);
        next.StartToDesignForm();
        QVERIFY(next.messages.Texts().at(0).rfind(std::string(kQuestionStart) + "Given up\"", 0) ==
                0);
        QVERIFY(!QFile::exists(CopyPath()));
        QCOMPARE(next.design.ProjectTitle, std::string("Project1"));
    }

    void damagedCopyIsKeptAndTheStartGoesOn() {
        QVERIFY(QDir().mkpath(recovery_));
        QFile copy(CopyPath());
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("Tidewell Ver. 4.6  Brackwater\r\nCut short\r\n");
        copy.close();
        MemorySettingsStore store;
        DesktopRun next(store, folder_.path(), QString(), recovery_);
        next.StartToDesignForm();
        QCOMPARE(CountStarting(next.messages, kQuestionStart), size_t{0});
        QCOMPARE(next.messages.shown.size(), size_t{1});
        QVERIFY(next.messages.Texts()[0].find("could not be used: it is damaged") !=
                std::string::npos);
        QVERIFY(!QFile::exists(CopyPath()));
        QVERIFY(QFile::exists(recovery_ + QStringLiteral("/Recovery-damaged-1.prj")));
        QCOMPARE(next.design.ProjectTitle, std::string("Project1"));
        QVERIFY(!next.main->MenusLocked());
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
