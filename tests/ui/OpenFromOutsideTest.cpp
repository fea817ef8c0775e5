// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A project named when the program starts opens after the disclaimer as File > Open opens it,
// with the same messages for a file that cannot be read.

#include "UiTestSupport.h"

using namespace tidewell;

class OpenFromOutsideTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // What a run shows the user when it opens the path: named at start-up, or chosen in File >
    // Open.
    std::vector<std::string> MessagesOpening(const std::string& path, bool atStartUp) {
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        if (atStartUp) run.main->OpenAfterStartUp(path);
        run.StartToDesignForm();
        if (!atStartUp) {
            run.dialogs.openAnswers.push_back(path);
            run.Item("mnuItmOpen")->trigger();
        }
        [&] { QCOMPARE(run.design.ProjectFilePath, std::string()); }();
        return run.messages.Texts();
    }

private slots:
    void initTestCase() { QVERIFY(PrepareTestFolder(folder_)); }

    void namedProjectFillsTheDesignForm() {
        const std::string path = TIDEWELL_SOURCE_DIR "/data/examples/GlassSphereFloat.prj";
        MemorySettingsStore store;
        DesktopRun run(store, folder_.path());
        run.main->OpenAfterStartUp(path);
        run.StartToDesignForm();
        QCOMPARE(run.messages.Texts(), std::vector<std::string>());
        QCOMPARE(run.design.ProjectFilePath, path);
        QCOMPARE(run.Control<QLineEdit>("Title")->text(),
                 QString::fromStdString(run.design.ProjectTitle));
        QCOMPARE(Caption(run), QStringLiteral("GlassSphereFloat.prj"));
        QCOMPARE(run.design.ProjectChanged, kFalse);
        QCOMPARE(run.main->Recent()[0], path);
        QVERIFY(!run.main->MenusLocked());
    }

    void unreadableFilesSayWhatFileOpenSays_data() {
        QTest::addColumn<QString>("content");  // empty: no such file
        QTest::newRow("missing") << QString();
        QTest::newRow("not a project") << QStringLiteral("hello\r\n");
    }

    void unreadableFilesSayWhatFileOpenSays() {
        QFETCH(QString, content);
        const QString path = folder_.filePath(QStringLiteral("broken.prj"));
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
        }
        const std::vector<std::string> fromMenu = MessagesOpening(path.toStdString(), false);
        QVERIFY(!fromMenu.empty());
        QCOMPARE(MessagesOpening(path.toStdString(), true), fromMenu);
    }
};

QTEST_MAIN(OpenFromOutsideTest)
#include "OpenFromOutsideTest.moc"
