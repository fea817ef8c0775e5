// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A start of the program: the new project shown on the form, then the preferences read with
// their fallbacks, and the end-of-run save that the next start reads; and where projects live: the
// names typed for a project, the recent-projects list, and the program folder seeded with the
// materials database on the first run.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "analysis/DesignOperations.h"
#include "project/DesignFormState.h"
#include "project/MemorySettingsStore.h"
#include "project/Preferences.h"
#include "project/ProgramFolder.h"
#include "project/ProjectPaths.h"
#include "project/RecentProjects.h"
#include "tests/TestFiles.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

TEST(ApplyUiActions, NewProjectEmptiesTheBoxesAndSelectsTube) {
    DesignFormState form;
    form.title = "old";
    form.description = "old";
    form.designer = "old";
    form.materialLabel = "Steel";
    form.forceThickCheck = 1;
    form.workStrengthCheck = 1;
    form.endcapSelection = 2;
    form.restraintSelection = 3;
    DesignRecord design;
    ApplyUiActions(NewProject(design), form);
    EXPECT_EQ(form.title + "|" + form.description + "|" + form.designer + "|" + form.materialLabel,
              "Project1|||");
    EXPECT_EQ(std::vector<int>({form.forceThickCheck, form.workStrengthCheck, form.bodySelection,
                                form.endcapSelection, form.restraintSelection}),
              std::vector<int>({0, 0, 0, -1, -1}));
}

// A start of the program: ResetLayout, NewProject, then the preferences.
struct Start {
    DesignRecord design;
    DesignFormState form;
    RecentProjects recent;
    ScriptedMessages messages;
    PreferencesResult result;

    explicit Start(MemorySettingsStore& store) {
        ResetLayout(design);
        ApplyUiActions(NewProject(design), form);
        Registry registry(store);
        result = LoadPreferences(registry, design, form, recent, messages);
    }
};

void Put(MemorySettingsStore& store, const std::string& key, const std::string& value) {
    store.values[{"Tidewell", "Newest_Testing", key}] = value;
}

// A first run: the store is empty, every key takes its fallback.
TEST(Preferences, FirstRunStartsFromTheFallbacks) {
    MemorySettingsStore store;
    Start start(store);
    EXPECT_TRUE(start.result.ok);
    EXPECT_TRUE(start.messages.Empty());
    EXPECT_EQ(start.recent,
              (RecentProjects{"Example1.PRJ", "Example2.PRJ", "Example3.PRJ", "Example4.PRJ"}));
    const DesignRecord& d = start.design;
    EXPECT_EQ(std::vector<int>({d.UnitSystem, d.PressureSource, d.ForceThickWall,
                                d.UseWorkingStrength, d.BodyType, d.EndcapType, d.SignificantDigits,
                                d.NumericFormat, d.PressureRange}),
              std::vector<int>({1, 1, 0, 0, kTubeBody, kNoEndcap, 5, 2, 0}));
    const DesignFormState& f = start.form;
    EXPECT_EQ(std::vector<int>({f.unitOption, f.pressureSourceOption, f.forceThickCheck,
                                f.workStrengthCheck, f.bodySelection, f.endcapSelection}),
              std::vector<int>({1, 1, 0, 0, 0, -1}));
    EXPECT_EQ(f.designer + f.title + f.description + f.materialLabel, "");
}

struct KeyRow {
    const char* name;
    const char* key;
    const char* value;
    int16_t DesignRecord::*field;
    int16_t expected;
};

class PreferenceKeyTest : public ::testing::TestWithParam<KeyRow> {};

TEST_P(PreferenceKeyTest, ReadsTheKeyWithItsFallback) {
    MemorySettingsStore store;
    Put(store, GetParam().key, GetParam().value);
    Start start(store);
    EXPECT_TRUE(start.result.ok);
    EXPECT_TRUE(start.messages.Empty());
    EXPECT_EQ(start.design.*GetParam().field, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PreferenceKeyTest,
    ::testing::Values(
        KeyRow{"UnitsEnglish", "DEFAULTUNITS", "ENGLISH", &DesignRecord::UnitSystem, 0},
        KeyRow{"UnitsLowerCaseIsMetric", "DEFAULTUNITS", "english", &DesignRecord::UnitSystem, 1},
        KeyRow{"SourceInternal", "DEFAULTPRESSURESOURCE", "INTERNAL", &DesignRecord::PressureSource,
               0},
        KeyRow{"ThickTrue", "FORCETHICKEQ'S", "TRUE", &DesignRecord::ForceThickWall, 1},
        KeyRow{"WorkingTrue", "USEWORKINGSTRENGTH", "TRUE", &DesignRecord::UseWorkingStrength, 1},
        KeyRow{"DigitsSeven", "SIGNIFICANTDIGITS", " 7", &DesignRecord::SignificantDigits, 7},
        KeyRow{"DigitsTwelve", "SIGNIFICANTDIGITS", "12", &DesignRecord::SignificantDigits, 12},
        KeyRow{"DigitsNegative", "SIGNIFICANTDIGITS", "-3", &DesignRecord::SignificantDigits, 5},
        KeyRow{"DigitsHuge", "SIGNIFICANTDIGITS", "1E+9", &DesignRecord::SignificantDigits, 5},
        KeyRow{"FormatZeroBecomesTwo", "NUMERICFORMAT", " 0", &DesignRecord::NumericFormat, 2},
        KeyRow{"RangeTooLarge", "DEFAULTPRESSURERANGE", " 70000", &DesignRecord::PressureRange, 0}),
    [](const auto& row) { return std::string(row.param.name); });

struct BodyRow {
    const char* name;
    const char* body;
    const char* endcap;
    int16_t bodyType;
    int16_t endcapType;
    int bodySelection;
    int endcapSelection;
};

class PreferenceBodyTest : public ::testing::TestWithParam<BodyRow> {};

TEST_P(PreferenceBodyTest, SelectsTheBodyAndEndcap) {
    MemorySettingsStore store;
    Put(store, "DEFAULTBODY", GetParam().body);
    Put(store, "DEFAULTENDCAP", GetParam().endcap);
    Start start(store);
    EXPECT_TRUE(start.result.ok);
    EXPECT_EQ(start.design.BodyType, GetParam().bodyType);
    EXPECT_EQ(start.design.EndcapType, GetParam().endcapType);
    EXPECT_EQ(start.form.bodySelection, GetParam().bodySelection);
    EXPECT_EQ(start.form.endcapSelection, GetParam().endcapSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PreferenceBodyTest,
    ::testing::Values(BodyRow{"Tube", "TUBE", "CONIC", 10, 0, 0, -1},
                      BodyRow{"Sphere", "SPHERE", "", 9, 0, 1, -1},
                      BodyRow{"HemisphereIsAnEndcap", "HEMISPHERE", "ANNULAR", 0, 3, 2, 2},
                      BodyRow{"EndcapAnnular", "ENDCAP ONLY", "ANNULAR", 0, 1, 2, 0},
                      BodyRow{"EndcapFlatCircular", "ENDCAP ONLY", "FLAT CIRCULAR", 0, 4, 2, 3},
                      // "Endcap Only" on its own already selects the flat circular plate.
                      BodyRow{"EndcapUnknown", "ENDCAP ONLY", "conic", 0, 4, 2, 3}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Preferences, EndOfRunSaveIsTheNextStart) {
    MemorySettingsStore store;
    {
        // First run: the user makes a conical endcap in English units and quits.
        Start first(store);
        first.form.designer = "Ana";
        first.design.DesignerName = "Ana";
        first.form.materialLabel = "Acrylic";
        first.form.unitOption = 0;
        first.form.pressureSourceOption = 0;
        first.form.forceThickCheck = 0;
        first.form.workStrengthCheck = 1;
        ApplyUiActions(SelectBody(first.design, 2), first.form);
        first.form.bodySelection = 2;
        ApplyUiActions(SelectEndcap(first.design, 1), first.form);
        first.design.SignificantDigits = 9;
        first.design.PressureRange = 6;
        AddRecentProject(first.recent, "/d/cone.prj");
        Registry registry(store);
        ASSERT_TRUE(
            SavePreferences(registry, first.design, first.form, first.recent, first.messages).ok);
    }
    Start next(store);
    EXPECT_TRUE(next.result.ok);
    EXPECT_EQ(next.recent,
              (RecentProjects{"/d/cone.prj", "Example1.PRJ", "Example2.PRJ", "Example3.PRJ"}));
    // The title is not carried over.
    EXPECT_EQ(next.form.designer + "|" + next.form.materialLabel + "|" + next.form.title,
              "Ana|Acrylic|");
    const DesignRecord& d = next.design;
    EXPECT_EQ(std::vector<int>({d.UnitSystem, d.PressureSource, d.ForceThickWall,
                                d.UseWorkingStrength, d.BodyType, d.EndcapType,
                                next.form.bodySelection, next.form.endcapSelection,
                                d.SignificantDigits, d.NumericFormat, d.PressureRange}),
              std::vector<int>({0, 0, 0, 1, kNoBody, kConicalEndcap, 2, 1, 9, 2, 6}));
}

// ---- Where projects live ----

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
