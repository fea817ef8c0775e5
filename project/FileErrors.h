// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// File errors of the project commands (Open, an open recent project, Save, Save As): one number
// per kind of failure, and the one reporter that turns the number into the message the user reads.

#include <string>
#include <system_error>

#include "units/UserMessages.h"

namespace tidewell {

inline constexpr int kNoFileError = 0;
inline constexpr int kBadFileNameError = 52;      // "Bad file name."
inline constexpr int kFileNotFoundError = 53;     // "File not found"
inline constexpr int kFileOpenError = 54;         // "Error opening this file"
inline constexpr int kFileAlreadyOpenError = 55;  // "File already open"
inline constexpr int kDiskFullError = 61;         // "Disk Full"
inline constexpr int kInputPastEndError = 62;     // "Input past end of file or Invalid file type"
inline constexpr int kBadFilenameError = 64;      // "Bad Filename"
inline constexpr int kDialogCancelledError = 32755;  // the file dialog's Cancel: no message

// The message of an error number; empty for 0 and for the dialog's Cancel. Unlisted numbers give
// "Unknown error number " and the number with its leading blank.
std::string FileErrorText(int errorNumber);

// Shows the message of the error number (title "Tidewell", OK button). Returns true for the file
// dialog's Cancel, which shows nothing: the caller then sets its save-cancelled flag.
bool ReportFileError(int errorNumber, UserMessages& messages);

// The same, setting saveCancelled for the dialog's Cancel.
void ReportFileError(int errorNumber, UserMessages& messages, bool& saveCancelled);

// What the platform's error means for the user: no space left gives 61, a missing file or folder
// 53, a name that cannot be a file 52, anything else 54.
int FileErrorNumber(const std::error_code& error);

}  // namespace tidewell
