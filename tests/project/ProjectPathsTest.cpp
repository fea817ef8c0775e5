// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where projects live: the names typed for a project, the recent-projects list, and the
// program folder seeded with the materials database on the first run.

#include <gtest/gtest.h>

#include <filesystem>

#include "project/ProgramFolder.h"
#include "project/ProjectPaths.h"
#include "project/RecentProjects.h"
#include "tests/TestFiles.h"

namespace tidewell {
namespace {

struct PathRow {
    const char* name;
    const char* path;
    const char* programFolder;
    const char* normalised;
};

class NormaliseProjectPathTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(NormaliseProjectPathTest, AppliesExtensionAndFolderRules) {
    EXPECT_EQ(NormaliseProjectPath(GetParam().path, GetParam().programFolder),
              GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NormaliseProjectPathTest,
    ::testing::Values(PathRow{"BackslashFolderGetsExtension", "c:\\p\\tank", "/opt/tw",
                              "c:\\p\\tank.PRJ"},
                      PathRow{"BareNameInProgramFolder", "tank", "/opt/tw", "/opt/tw/tank.PRJ"},
                      PathRow{"BareNameWithExtension", "tank.prj", "/opt/tw", "/opt/tw/tank.prj"},
                      PathRow{"OtherExtension", "/d/tank.txt", "/opt/tw", "/d/tank.txt.PRJ"}),
    [](const auto& row) { return std::string(row.param.name); });

struct TitleRow {
    const char* name;
    const char* path;
    const char* title;
};

class ProjectFileTitleTest : public ::testing::TestWithParam<TitleRow> {};

TEST_P(ProjectFileTitleTest, TakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(ProjectFileTitle(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Paths, ProjectFileTitleTest,
                         ::testing::Values(TitleRow{"Backslash", "C:\\designs\\probe.prj",
                                                    "probe.prj"},
                                           TitleRow{"Slash", "/home/ana/probe.prj", "probe.prj"}),
                         [](const auto& row) { return std::string(row.param.name); });

RecentProjects Sample() {
    return {"/d/a.prj", "/d/b.prj", "/d/c.prj", "/d/d.prj"};
}

struct RecentRow {
    const char* name;
    const char* added;
    RecentProjects expected;
};

class AddRecentProjectTest : public ::testing::TestWithParam<RecentRow> {};

TEST_P(AddRecentProjectTest, PutsThePathFirst) {
    RecentProjects recent = Sample();
    AddRecentProject(recent, GetParam().added);
    EXPECT_EQ(recent, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddRecentProjectTest,
    ::testing::Values(
        RecentRow{"AlreadyFirst", "/d/a.prj", {"/d/a.prj", "/d/b.prj", "/d/c.prj", "/d/d.prj"}},
        RecentRow{"SecondMovesUp", "/d/b.prj", {"/d/b.prj", "/d/a.prj", "/d/c.prj", "/d/d.prj"}},
        RecentRow{
            "ThirdMovesToFront", "/d/c.prj", {"/d/c.prj", "/d/a.prj", "/d/b.prj", "/d/d.prj"}},
        RecentRow{
            "FourthMovesToFront", "/d/d.prj", {"/d/d.prj", "/d/a.prj", "/d/b.prj", "/d/c.prj"}},
        RecentRow{"FoundIgnoringCaseTakesNewSpelling",
                  "/d/C.prj",
                  {"/d/C.prj", "/d/a.prj", "/d/b.prj", "/d/d.prj"}},
        RecentRow{
            "FifthDropsTheOldest", "/d/e.prj", {"/d/e.prj", "/d/a.prj", "/d/b.prj", "/d/c.prj"}}),
    [](const auto& row) { return std::string(row.param.name); });

namespace fs = std::filesystem;

// An installation: the executable's folder, the shared data beside it and a per-user folder.
struct Installation {
    testing::ScratchFolder root;
    fs::path bin = root.path() / "bin";
    fs::path share = root.path() / "share" / "tidewell";
    fs::path user = root.path() / "home" / "ana" / ".local" / "Tidewell";

    Installation() {
        fs::create_directories(bin);
        fs::create_directories(share);
    }
};

TEST(LocateProgramFolder, FirstRunCopiesTheInstalledDatabase) {
    Installation install;
    const std::string database("record\0with\xFF bytes", 18);
    testing::WriteBytes(install.share / "DesMat.Dat", database);
    const ProgramFolder location = LocateProgramFolder(install.bin, install.user);
    EXPECT_EQ(location.folder, install.user);
    EXPECT_EQ(location.materialsFile, install.user / "DesMat.Dat");
    EXPECT_TRUE(location.seeded);
    EXPECT_TRUE(location.problem.empty());
    EXPECT_EQ(testing::ReadBytes(install.user / "DesMat.Dat"), database);
    // Nothing but the database is left in the new folder.
    EXPECT_EQ(testing::EntryCount(install.user), 1);
    // Where nothing was installed the user's folder is still the place, and the user is told.
    Installation bare;
    const ProgramFolder empty = LocateProgramFolder(bare.bin, bare.user);
    EXPECT_EQ(empty.materialsFile, bare.user / "DesMat.Dat");
    EXPECT_EQ(empty.problem, "No installed materials file was found.");
}

}  // namespace
}  // namespace tidewell
