// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: the Qt application, the platform seams, and the start-up sequence of the
// main window.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "Version.h"
#include "analysis/DesignRecord.h"
#include "app/desktop/PdfExport.h"
#include "ui/MainForm.h"
#include "ui/ProgramPlaces.h"
#include "ui/QSettingsStore.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtText.h"
#include "ui/QtUserMessages.h"

namespace {

// With TIDEWELL_STARTUP_PROBE set, the program prints one line once the splash window has been
// painted and ends: bench/startup_time.sh times process start to splash shown with it.
class SplashProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint &&
            watched->objectName() == QStringLiteral("IntroForm")) {
            done_ = true;
            std::fputs("splash shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool done_ = false;
};

// The program's icon in every size it is shipped in, for the window frames and the task bar.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/tidewell-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

// True when the command line asks only for the help or the version text.
bool AsksOnlyForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-v" ||
            argument == "--version") {
            return true;
        }
    }
    return false;
}

// The project named on the command line (or by a file manager through the desktop entry), as an
// absolute path; empty when there is none.
QString ProjectToOpen(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design of pressure housings."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("A project file (.prj) to open."),
                                 QStringLiteral("[PROJECT.prj]"));
    parser.process(app);
    const QStringList given = parser.positionalArguments();
    if (given.isEmpty()) return QString();
    return QFileInfo(given.first()).absoluteFilePath();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (tidewell::WantsPdfExport(argc, argv)) {
        // No window is shown: where no platform is named, the offscreen one needs no display.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication exporting(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Tidewell"));
        QGuiApplication::setOrganizationName(QStringLiteral("Tidewell"));
        return tidewell::RunPdfExport(argc, argv);
    }
    if (AsksOnlyForText(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // the help or the version needs no display
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tidewell"));
    QApplication::setOrganizationName(QStringLiteral("Tidewell"));
    QApplication::setApplicationVersion(QStringLiteral(TIDEWELL_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("org.tidewell.Tidewell"));
    QApplication::setWindowIcon(ProgramIcon());
    const QString project = ProjectToOpen(app);
    // The run ends through Quit or the disclaimer, not when the splash closes.
    QApplication::setQuitOnLastWindowClosed(false);

    tidewell::QtUserMessages messages;
    tidewell::QtFileDialogs dialogs;
    tidewell::QSettingsStore settings;
    tidewell::DesignRecord design;

    tidewell::DesktopServices services;
    services.messages = &messages;
    services.dialogs = &dialogs;
    services.settings = &settings;
    const tidewell::ProgramFolder folder = tidewell::DesktopProgramFolder();
    services.programFolder = folder.folder.u8string();
    services.materialsFile = folder.materialsFile.u8string();
    services.lockFilePath = tidewell::InstanceLockPath();
    services.recoveryFolder =
        tidewell::FromQ(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    tidewell::MainForm mainForm(design, services);
    messages.SetParent(&mainForm);
    dialogs.SetParent(&mainForm);
    QObject::connect(&mainForm, &tidewell::MainForm::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    SplashProbe probe;
    if (qEnvironmentVariableIsSet("TIDEWELL_STARTUP_PROBE")) app.installEventFilter(&probe);
    if (!project.isEmpty()) mainForm.OpenAfterStartUp(tidewell::FromQ(project));
    mainForm.StartUp();
    if (!folder.problem.empty()) {
        messages.Show(folder.problem, tidewell::kProgramTitle, tidewell::MessageIcon::Exclamation);
    }
    return QApplication::exec();
}
