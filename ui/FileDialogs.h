// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The file dialogs of the menu commands, behind a small interface so that New, Open, Save, Save As
// and the recent projects run headless in tests with scripted answers.

#include <optional>
#include <string>

namespace tidewell {

// How the project file dialog is set up (the program's one file dialog keeps these between calls).
struct FileDialogSetup {
    std::string filter;            // "Description (*.ext)|*.ext"
    std::string defaultExtension;  // without the point
    std::string initialFolder;
    std::string fileName;  // current file name, proposed by the next dialog
    bool hideReadOnly = false;
    bool promptOverwrite = false;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen file, or nullopt when the user cancelled.
    virtual std::optional<std::string> OpenFile(const FileDialogSetup& setup) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogSetup& setup) = 0;
};

}  // namespace tidewell
