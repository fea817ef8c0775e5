// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// FileDialogs with Qt's own file dialogs.

#include <QPointer>
#include <QWidget>

#include "ui/FileDialogs.h"

namespace tidewell {

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> OpenFile(const FileDialogSetup& setup) override;
    std::optional<std::string> SaveFile(const FileDialogSetup& setup) override;

private:
    QPointer<QWidget> parent_;
};

// "Project (*.prj)|*.prj" in Qt's form "Project (*.prj)": the description of each pair.
QString QtFilter(const std::string& filter);

}  // namespace tidewell
