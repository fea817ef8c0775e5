// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "ui/QtText.h"

namespace tidewell {

QString QtFilter(const std::string& filter) {
    const QStringList parts = ToQ(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // A description without the pattern in it gets it appended, as Qt reads the pattern there.
        if (!description.contains(QLatin1Char('('))) {
            description += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        }
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

std::optional<std::string> RunDialog(QWidget* parent, const FileDialogSetup& setup, bool save) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilter(setup.filter));
    dialog.setDefaultSuffix(ToQ(setup.defaultExtension));
    if (!setup.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (setup.hideReadOnly) dialog.setOption(QFileDialog::ReadOnly, false);
    if (!setup.initialFolder.empty()) dialog.setDirectory(ToQ(setup.initialFolder));
    if (!setup.fileName.empty()) dialog.selectFile(ToQ(setup.fileName));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    return FromQ(QDir::toNativeSeparators(files.front()));
}

}  // namespace

std::optional<std::string> QtFileDialogs::OpenFile(const FileDialogSetup& setup) {
    return RunDialog(parent_, setup, false);
}

std::optional<std::string> QtFileDialogs::SaveFile(const FileDialogSetup& setup) {
    return RunDialog(parent_, setup, true);
}

}  // namespace tidewell
