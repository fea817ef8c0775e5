// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of unsaved work, on the test's own clock ticked every 500 ms as the desktop
// does: when it is written and removed, what it holds, and how an earlier run's copy is offered.

#include "project/RecoveryCopy.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "project/ProjectFile.h"
#include "tests/TestFiles.h"
#include "tests/project/ProjectSamples.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using std::chrono::milliseconds;
using testing::SampleTubeDesign;
using testing::ScratchFolder;

struct Session {
    ScratchFolder folder;
    RecoveryFiles files{folder.path().string()};
    milliseconds now{0};
    RecoveryKeeper keeper{files, [this] { return now; }};
    DesignRecord design = SampleTubeDesign();

    // Ticks until the given time; returns the times (ms) at which the copy was written.
    std::vector<long> RunUntil(long end) {
        std::vector<long> writes;
        for (; now.count() <= end; now += milliseconds(500)) {
            if (keeper.Tick(design) == RecoveryKeeper::Step::Wrote) writes.push_back(now.count());
        }
        return writes;
    }
    void Edit(const std::string& title) {
        design.ProjectTitle = title;
        design.ProjectChanged = kTrue;
    }
};

TEST(RecoveryKeeper, WritesEachSettledChangeOnceWithinTwoSeconds) {
    Session s;
    s.design.ProjectChanged = kFalse;
    EXPECT_TRUE(s.RunUntil(3000).empty());  // nothing unsaved: nothing written
    EXPECT_FALSE(s.files.Exists());

    s.now = milliseconds(3250);  // a change between two ticks
    s.Edit("Deep probe");
    s.now = milliseconds(3500);
    // Seen at 3500, written once the design rested for a tick, 750 ms after the change.
    EXPECT_EQ(s.RunUntil(10000), (std::vector<long>{4000}));
    EXPECT_TRUE(s.files.Exists());
    // The user's design stays unsaved.
    EXPECT_EQ(s.design.ProjectChanged, kTrue);
}

TEST(RecoveryKeeper, TypingWithoutPauseIsWrittenWithinOneAndAHalfSeconds) {
    Session s;
    std::vector<long> writes;
    for (int i = 0; i < 12; ++i, s.now += milliseconds(500)) {
        s.Edit("Title " + std::to_string(i));  // a change before every tick
        if (s.keeper.Tick(s.design) == RecoveryKeeper::Step::Wrote) writes.push_back(s.now.count());
    }
    // Each write comes 1.5 s after the first change it holds (0, 2000, 4000 ms); with a change
    // seen up to one tick late, no change waits more than 2 s.
    EXPECT_EQ(writes, (std::vector<long>{1500, 3500, 5500}));
}

TEST(RecoveryKeeper, CopyReadsBackAsTheDesignWithItsOwnPath) {
    Session s;
    s.Edit("Deep probe");
    s.design.ProjectFilePath = s.folder.File("probe.prj");
    s.design.BodyDimEntered[3] = 321;
    ASSERT_EQ(s.RunUntil(1000).size(), 1u);
    std::string path = s.files.CopyPath();
    DesignRecord read;
    ScriptedMessages messages;
    const auto data = ReadProject(path, s.folder.path().string(), read, messages);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->title, "Deep probe");
    EXPECT_EQ(data->bodyDimEntered[3], 321);
    EXPECT_EQ(s.files.OriginalPath(), s.design.ProjectFilePath);
}

TEST(RecoveryKeeper, GoesWhenSavedAndLeavesAnotherRunsCopyAlone) {
    Session s;
    s.Edit("Deep probe");
    ASSERT_EQ(s.RunUntil(1000).size(), 1u);
    s.design.ProjectChanged = kFalse;  // saved, or closed without saving
    EXPECT_EQ(s.keeper.Tick(s.design), RecoveryKeeper::Step::Deleted);
    EXPECT_FALSE(s.files.Exists());
    EXPECT_EQ(testing::EntryCount(s.folder.path()), 0);

    // A copy of an earlier run stays until the user has answered for it.
    Session earlier;
    earlier.Edit("Lost work");
    earlier.RunUntil(1000);
    RecoveryKeeper next(earlier.files, [] { return milliseconds(0); });
    DesignRecord fresh;
    EXPECT_EQ(next.Tick(fresh), RecoveryKeeper::Step::Nothing);
    EXPECT_TRUE(earlier.files.Exists());
    next.Adopt();
    next.Discard();
    EXPECT_FALSE(earlier.files.Exists());
}

TEST(RecoveryKeeper, NeverWritesOverTheUsersOwnFile) {
    Session s;
    s.Edit("Deep probe");
    s.design.ProjectFilePath = s.files.CopyPath();
    EXPECT_TRUE(s.RunUntil(3000).empty());
    EXPECT_FALSE(s.files.Exists());
}

TEST(RecoveryOffer, OffersAReadableCopyAndSetsADamagedOneAside) {
    Session s;
    EXPECT_EQ(ExamineRecoveryCopy(s.files).kind, RecoveryOffer::Kind::None);
    s.Edit("Deep probe");
    s.RunUntil(1000);
    const RecoveryOffer offer = ExamineRecoveryCopy(s.files);
    EXPECT_EQ(offer.kind, RecoveryOffer::Kind::Offered);
    EXPECT_EQ(offer.title, "Deep probe");
    EXPECT_EQ(RecoveryQuestion(offer.title, "12/7/26 10:15 AM").text,
              "Recover the unsaved design \"Deep probe\" (changed 12/7/26 10:15 AM)?");

    // Cut short, then not a project file at all: each copy is kept under a name of its own, never
    // deleted, and the message says what is wrong with it.
    for (const auto& [kept, cutShort, reason] :
         {std::tuple{"Recovery-damaged-1.prj", true,
                     "it is damaged (it ends early or holds a line that cannot be read)"},
          {"Recovery-damaged-2.prj", false, "it is not a Tidewell project file"}}) {
        const std::string whole = testing::ReadBytes(s.files.CopyPath());
        const std::string cut = cutShort ? whole.substr(0, whole.size() / 2) : "a list\r\n";
        testing::WriteBytes(s.files.CopyPath(), cut);
        const RecoveryOffer damaged = ExamineRecoveryCopy(s.files);
        EXPECT_EQ(damaged.kind, RecoveryOffer::Kind::Damaged);
        EXPECT_EQ(damaged.keptPath, s.folder.File(kept));
        EXPECT_EQ(testing::ReadBytes(damaged.keptPath), cut);
        EXPECT_FALSE(s.files.Exists());
        EXPECT_EQ(DamagedRecoveryMessage(damaged).text,
                  "The copy of an unsaved design that Tidewell kept could not be used: " +
                      std::string(reason) + ". It has been kept as \"" + s.folder.File(kept) +
                      "\".");
        s.Edit(kept);
        s.keeper.Discard();
        s.RunUntil(s.now.count() + 1000);
    }
}

}  // namespace
}  // namespace tidewell
