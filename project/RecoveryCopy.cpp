// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/RecoveryCopy.h"

#include <system_error>
#include <utility>

#include "project/FileAccess.h"
#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "units/ScriptedMessages.h"

namespace tidewell {

namespace {

namespace fs = std::filesystem;

constexpr const char* kCopyName = "Recovery.prj";
constexpr const char* kOriginName = "Recovery.origin";

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    return fs::weakly_canonical(PathFromUtf8(a), error) ==
           fs::weakly_canonical(PathFromUtf8(b), error);
}

std::string ReasonOf(ProjectParseStatus status) {
    switch (status) {
        case ProjectParseStatus::NotAProjectFile:
            return "it is not a Tidewell project file";
        case ProjectParseStatus::TooOld:
            return "it was written by a version this one does not read";
        case ProjectParseStatus::Unreadable:
        case ProjectParseStatus::Read:
            break;
    }
    return "it is damaged (it ends early or holds a line that cannot be read)";
}

}  // namespace

RecoveryFiles::RecoveryFiles(std::string folder) : folder_(std::move(folder)) {}

std::string RecoveryFiles::CopyPath() const {
    return (PathFromUtf8(folder_) / kCopyName).u8string();
}

std::string RecoveryFiles::OriginPath() const {
    return (PathFromUtf8(folder_) / kOriginName).u8string();
}

bool RecoveryFiles::Exists() const {
    std::error_code error;
    return fs::exists(PathFromUtf8(CopyPath()), error);
}

bool RecoveryFiles::Write(const DesignRecord& design) const {
    if (folder_.empty() || SameFile(CopyPath(), design.ProjectFilePath)) return false;
    std::error_code error;
    fs::create_directories(PathFromUtf8(folder_), error);
    LocalFileSystem files;
    if (WriteFileSafely(PathFromUtf8(OriginPath()), design.ProjectFilePath, files)) return false;
    // The writer marks what it writes as saved: the user's design stays unsaved.
    DesignRecord copy = design;
    ScriptedMessages quiet;
    return WriteProject(copy, CopyPath(), quiet);
}

void RecoveryFiles::Delete() const {
    std::error_code error;
    fs::remove(PathFromUtf8(CopyPath()), error);
    fs::remove(PathFromUtf8(OriginPath()), error);
}

std::string RecoveryFiles::OriginalPath() const {
    std::string bytes;
    if (ReadWholeFile(PathFromUtf8(OriginPath()), 64 * 1024, bytes)) return std::string();
    return bytes;
}

std::string RecoveryFiles::SetAside() const {
    const fs::path folder = PathFromUtf8(folder_);
    std::error_code error;
    for (int n = 1; n < 10000; ++n) {
        const std::string stem = "Recovery-damaged-" + std::to_string(n);
        const fs::path kept = folder / (stem + ".prj");
        if (fs::exists(kept, error)) continue;
        fs::rename(PathFromUtf8(CopyPath()), kept, error);
        if (error) return std::string();
        fs::rename(PathFromUtf8(OriginPath()), folder / (stem + ".origin"), error);
        return kept.u8string();
    }
    return std::string();
}

RecoveryKeeper::RecoveryKeeper(const RecoveryFiles& files, Clock clock)
    : files_(files), clock_(std::move(clock)) {}

RecoveryKeeper::Step RecoveryKeeper::Tick(const DesignRecord& design) {
    if (design.ProjectChanged == kFalse) {
        pending_ = false;
        written_.clear();
        seen_.clear();
        if (!owned_) return Step::Nothing;
        Discard();
        return Step::Deleted;
    }
    const std::chrono::milliseconds now = clock_();
    // The project's own path belongs to the copy: a title change forgets it.
    const std::string state = ProjectFileText(design) + '\n' + design.ProjectFilePath;
    if (state == written_) {
        pending_ = false;
        return Step::Nothing;
    }
    if (state != seen_) {
        seen_ = state;
        lastChange_ = now;
        if (!pending_) firstPending_ = now;
        pending_ = true;
    }
    if (now - lastChange_ < kQuiet && now - firstPending_ < kLongest) return Step::Nothing;
    pending_ = false;
    // A copy that cannot be written is tried again at the next change.
    if (!files_.Write(design)) return Step::Nothing;
    written_ = state;
    owned_ = true;
    ++writes_;
    return Step::Wrote;
}

void RecoveryKeeper::Discard() {
    if (owned_) files_.Delete();
    owned_ = false;
    written_.clear();
    seen_.clear();
    pending_ = false;
}

RecoveryOffer ExamineRecoveryCopy(const RecoveryFiles& files) {
    RecoveryOffer offer;
    if (!files.Exists()) return offer;
    std::string bytes;
    ProjectParse parse;
    if (const std::error_code error =
            ReadWholeFile(PathFromUtf8(files.CopyPath()), kMaxProjectFileBytes, bytes)) {
        offer.reason = "it cannot be opened (" + error.message() + ")";
    } else if (bytes.size() > kMaxProjectFileBytes) {
        offer.reason = "it is too large to be a project file";
    } else {
        parse = ParseProject(bytes);
        if (parse.status == ProjectParseStatus::Read) {
            offer.kind = RecoveryOffer::Kind::Offered;
            offer.title = parse.data.title;
            return offer;
        }
        offer.reason = ReasonOf(parse.status);
    }
    offer.kind = RecoveryOffer::Kind::Damaged;
    offer.keptPath = files.SetAside();
    return offer;
}

Message RecoveryQuestion(const std::string& title, const std::string& changedText) {
    Message question;
    question.text = "Recover the unsaved design \"" + title + "\" (changed " + changedText + ")?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = MessageAnswer::Yes;
    return question;
}

Message DamagedRecoveryMessage(const RecoveryOffer& offer) {
    Message message;
    message.text =
        "The copy of an unsaved design that Tidewell kept could not be used: " + offer.reason + ".";
    message.text += offer.keptPath.empty()
                        ? " It could not be set aside either; it will be offered again."
                        : " It has been kept as \"" + offer.keptPath + "\".";
    message.icon = MessageIcon::Exclamation;
    return message;
}

}  // namespace tidewell
