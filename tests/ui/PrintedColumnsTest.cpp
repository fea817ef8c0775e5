// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed results table keeps a blank between cells, also where a heading is as wide as its
// column ("De Max Radial", 13 characters) or wider ("Max Meridional", 14): the PDF of the desktop
// program's --export-pdf, read back with pdftotext, which places words by their position.

#include <QProcess>
#include <QRegularExpression>

#include "UiTestSupport.h"

using namespace tidewell;

class PrintedColumnsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void headingsStayApart_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::newRow("as wide") << "AluminumFlatEndcap.prj"
                                 << "De Max Radial"
                                 << "De Max Tan";
        QTest::newRow("wider") << "AluminumHemisphericalEndcap.prj"
                               << "Max Meridional"
                               << "Max Hoop";
    }

    void headingsStayApart() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QFETCH(QString, example);
        QFETCH(QString, left);
        QFETCH(QString, right);
        const QString pdf = folder_.filePath(QStringLiteral("report.pdf"));
        QProcess program;
        // The user's own preferences stay out of it: a home of its own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder_.filePath(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           folder_.filePath(QStringLiteral("home/.config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           folder_.filePath(QStringLiteral("home/.local/share")));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TIDEWELL_BINARY_DIR "/bin/tidewell"),
                      {QStringLiteral("--export-pdf"), pdf,
                       QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/") + example});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"),
                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(!text.contains(left + right), qPrintable(left + right));
        const QRegularExpression apart(QRegularExpression::escape(left) + QStringLiteral(" +") +
                                       QRegularExpression::escape(right));
        QVERIFY2(text.contains(apart), qPrintable(text.left(3000)));
    }
};

QTEST_MAIN(PrintedColumnsTest)
#include "PrintedColumnsTest.moc"
