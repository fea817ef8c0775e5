// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/FileErrors.h"

#include <cerrno>

#include "project/NumberText.h"

namespace tidewell {

std::string FileErrorText(int errorNumber) {
    switch (errorNumber) {
        case kNoFileError:
        case kDialogCancelledError:
            return "";
        case kBadFileNameError:
            return "Bad file name.";
        case kFileNotFoundError:
            return "File not found";
        case kFileOpenError:
            return "Error opening this file";
        case kFileAlreadyOpenError:
            return "File already open";
        case kDiskFullError:
            return "Disk Full";
        case kInputPastEndError:
            return "Input past end of file or Invalid file type";
        case kBadFilenameError:
            return "Bad Filename";
        default:
            return "Unknown error number " + ProjectNumberText(errorNumber);
    }
}

bool ReportFileError(int errorNumber, UserMessages& messages) {
    if (errorNumber == kDialogCancelledError) return true;
    if (errorNumber == kNoFileError) return false;
    messages.Show(FileErrorText(errorNumber), kProgramTitle, MessageIcon::None, MessageButtons::Ok);
    return false;
}

void ReportFileError(int errorNumber, UserMessages& messages, bool& saveCancelled) {
    if (ReportFileError(errorNumber, messages)) saveCancelled = true;
}

int FileErrorNumber(const std::error_code& error) {
    if (!error) return kNoFileError;
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() != std::generic_category()) return kFileOpenError;
    switch (condition.value()) {
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return kDiskFullError;
        case ENOENT:
        case ENOTDIR:
            return kFileNotFoundError;
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
            return kBadFileNameError;
        default:
            return kFileOpenError;
    }
}

}  // namespace tidewell
