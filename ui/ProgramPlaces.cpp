// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ProgramPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "project/FileAccess.h"
#include "ui/QtText.h"

namespace tidewell {

ProgramFolder DesktopProgramFolder() {
    const std::filesystem::path executableFolder =
        PathFromUtf8(FromQ(QCoreApplication::applicationDirPath()));
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return LocateProgramFolder(executableFolder, userData.isEmpty()
                                                     ? std::filesystem::path()
                                                     : PathFromUtf8(FromQ(userData)));
}

std::string InstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return FromQ(QDir(folder).filePath(QStringLiteral("tidewell.lock")));
}

}  // namespace tidewell
