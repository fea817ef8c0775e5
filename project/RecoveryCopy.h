// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A recovery copy of the open project while it has unsaved changes, so that a crash, a killed
// process or a power cut does not lose the user's input. The copy is a project file in a folder of
// the user's own (never the user's file), written through the project writer, beside a small file
// that names the project's own path. The next start offers it back.

#include <chrono>
#include <functional>
#include <string>

#include "analysis/DesignRecord.h"
#include "units/UserMessages.h"

namespace tidewell {

// The copy's files in one folder: "Recovery.prj" and "Recovery.origin" (the project's own path,
// empty for a project never saved).
class RecoveryFiles {
public:
    explicit RecoveryFiles(std::string folder);

    std::string CopyPath() const;
    std::string OriginPath() const;
    bool Exists() const;

    // Writes the project (temporary file, then rename); the design itself is not marked saved.
    // Quiet: false when it could not be written. Refuses to write over the project's own file.
    bool Write(const DesignRecord& design) const;
    // Removes the copy and its origin; nothing happens when there is none.
    void Delete() const;
    // The project's own path as the copy recorded it.
    std::string OriginalPath() const;
    // Renames a copy that cannot be used to "Recovery-damaged-N.prj" (the first free N) and
    // returns the new path; the origin goes with it.
    std::string SetAside() const;

private:
    std::string folder_;
};

// When to write the copy and when to remove it, looked at on a regular tick (every 500 ms or so).
// A change is written once the design has stayed the same for half a second, and at the latest
// 1.5 s after the first unwritten change, so the copy is never older than about 2 s after the
// last change; an unchanged design is never written again.
class RecoveryKeeper {
public:
    // Milliseconds from any fixed start: the program's steady clock, or a test's own.
    using Clock = std::function<std::chrono::milliseconds()>;
    static constexpr std::chrono::milliseconds kQuiet{500};
    static constexpr std::chrono::milliseconds kLongest{1500};

    enum class Step { Nothing, Wrote, Deleted };

    RecoveryKeeper(const RecoveryFiles& files, Clock clock);

    // Looks at the design: writes the copy when its unsaved changes call for it, removes this
    // keeper's copy once the design has no unsaved changes.
    Step Tick(const DesignRecord& design);
    // The project was saved or closed, or the run ends normally: the copy goes at once.
    void Discard();
    // A copy found at the start and taken up by the user belongs to this run from now on.
    void Adopt() { owned_ = true; }
    int Writes() const { return writes_; }

private:
    const RecoveryFiles& files_;
    Clock clock_;
    bool owned_ = false;  // the copy on disk is this run's
    std::string written_;
    std::string seen_;
    bool pending_ = false;
    std::chrono::milliseconds lastChange_{0};
    std::chrono::milliseconds firstPending_{0};
    int writes_ = 0;
};

// What a copy left by an earlier run offers at the start.
struct RecoveryOffer {
    enum class Kind { None, Offered, Damaged };
    Kind kind = Kind::None;
    std::string title;     // the design's title (Offered)
    std::string reason;    // why it cannot be used, in plain words (Damaged)
    std::string keptPath;  // where a damaged copy was set aside (Damaged)
};

// Checks the copy without changing the design; a damaged one is set aside at once.
RecoveryOffer ExamineRecoveryCopy(const RecoveryFiles& files);

// Recover the unsaved design "TITLE" (changed DATE TIME)? with Yes and No.
Message RecoveryQuestion(const std::string& title, const std::string& changedText);
// The plain report of a copy that could not be used.
Message DamagedRecoveryMessage(const RecoveryOffer& offer);

}  // namespace tidewell
