// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences read at start with their fallbacks and saved at the end of a run; the names
// typed for a project, the recent-projects list, and the program folder seeded on the first run.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
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
    // Every box filled, both checks set, an endcap and a restraint chosen.
    DesignFormState form{"old", "old", "old", "Steel", 0, 0, 1, 1, -1, 2, 3};
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

// Each key alone, and its fallback when the value is out of range.
TEST(Preferences, ReadsEachKeyWithItsFallback) {
    const struct {
        const char* key;
        const char* value;
        int16_t DesignRecord::*field;
        int16_t expected;
    } rows[] = {
        {"DEFAULTUNITS", "ENGLISH", &DesignRecord::UnitSystem, 0},
        {"DEFAULTUNITS", "english", &DesignRecord::UnitSystem, 1},  // lower case is metric
        {"DEFAULTPRESSURESOURCE", "INTERNAL", &DesignRecord::PressureSource, 0},
        {"FORCETHICKEQ'S", "TRUE", &DesignRecord::ForceThickWall, 1},
        {"USEWORKINGSTRENGTH", "TRUE", &DesignRecord::UseWorkingStrength, 1},
        {"SIGNIFICANTDIGITS", " 7", &DesignRecord::SignificantDigits, 7},
        {"SIGNIFICANTDIGITS", "12", &DesignRecord::SignificantDigits, 12},
        {"SIGNIFICANTDIGITS", "-3", &DesignRecord::SignificantDigits, 5},
        {"SIGNIFICANTDIGITS", "1E+9", &DesignRecord::SignificantDigits, 5},
        {"NUMERICFORMAT", " 0", &DesignRecord::NumericFormat, 2},
        {"DEFAULTPRESSURERANGE", " 70000", &DesignRecord::PressureRange, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.key) + "=" + row.value);
        MemorySettingsStore store;
        Put(store, row.key, row.value);
        Start start(store);
        EXPECT_TRUE(start.result.ok);
        EXPECT_TRUE(start.messages.Empty());
        EXPECT_EQ(start.design.*row.field, row.expected);
        // The design form shows the options the design starts with.
        const DesignRecord& d = start.design;
        const DesignFormState& f = start.form;
        EXPECT_EQ(std::vector<int>({f.unitOption, f.pressureSourceOption, f.forceThickCheck,
                                    f.workStrengthCheck}),
                  std::vector<int>(
                      {d.UnitSystem, d.PressureSource, d.ForceThickWall, d.UseWorkingStrength}));
    }
}

// Body type, endcap type, body list and endcap list selected by the two keys.
TEST(Preferences, SelectsTheBodyAndEndcap) {
    const struct {
        const char* body;
        const char* endcap;
        std::vector<int> selected;
    } rows[] = {
        {"TUBE", "CONIC", {10, 0, 0, -1}},
        {"SPHERE", "", {9, 0, 1, -1}},
        {"HEMISPHERE", "ANNULAR", {0, 3, 2, 2}},  // the hemisphere is an endcap
        {"ENDCAP ONLY", "ANNULAR", {0, 1, 2, 0}},
        {"ENDCAP ONLY", "FLAT CIRCULAR", {0, 4, 2, 3}},
        // "Endcap Only" on its own already selects the flat circular plate.
        {"ENDCAP ONLY", "conic", {0, 4, 2, 3}},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        Put(store, "DEFAULTBODY", row.body);
        Put(store, "DEFAULTENDCAP", row.endcap);
        Start start(store);
        EXPECT_TRUE(start.result.ok) << row.body;
        EXPECT_EQ(std::vector<int>({start.design.BodyType, start.design.EndcapType,
                                    start.form.bodySelection, start.form.endcapSelection}),
                  row.selected)
            << row.body << "/" << row.endcap;
    }
}

TEST(Preferences, EndOfRunSaveIsTheNextStart) {
    MemorySettingsStore store;
    {
        // First run: the user makes a conical endcap in English units and quits.
        Start first(store);
        first.form.designer = "Ana";
        first.design.DesignerName = "Ana";
        first.form.materialLabel = "Acrylic";
        std::tie(first.form.unitOption, first.form.pressureSourceOption, first.form.forceThickCheck,
                 first.form.workStrengthCheck) = std::tuple(0, 0, 0, 1);
        ApplyUiActions(SelectBody(first.design, 2), first.form);
        first.form.bodySelection = 2;
        ApplyUiActions(SelectEndcap(first.design, 1), first.form);
        first.design.SignificantDigits = 9;
        first.design.PressureRange = 6;
        AddRecentProject(first.recent, "/d/cone.prj");
        Registry registry(store);
        ASSERT_TRUE(
            SavePreferences(registry, first.design, first.form, first.recent, first.messages).ok);
        for (const char* key :
             {"DESIGNER", "DEFAULTMATERIAL", "DEFAULTUNITS", "DEFAULTPRESSURESOURCE",
              "FORCETHICKEQ'S", "USEWORKINGSTRENGTH", "DEFAULTBODY", "DEFAULTENDCAP",
              "SIGNIFICANTDIGITS", "NUMERICFORMAT", "DEFAULTPRESSURERANGE"}) {
            EXPECT_EQ(store.values.count({"Tidewell", "Newest_Testing", key}), 1U) << key;
        }
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

TEST(ProjectPaths, NamesTypedForAProject) {
    // The extension is added unless it is already .prj; a bare name goes to the program folder.
    const std::vector<std::array<const char*, 2>> normalised = {
        {"c:\\p\\tank", "c:\\p\\tank.PRJ"},
        {"tank", "/opt/tw/tank.PRJ"},
        {"tank.prj", "/opt/tw/tank.prj"},
        {"/d/tank.txt", "/d/tank.txt.PRJ"},
    };
    for (const auto& [typed, path] : normalised)
        EXPECT_EQ(NormaliseProjectPath(typed, "/opt/tw"), path) << typed;
    // The title is the part after the last separator of either kind.
    EXPECT_EQ(ProjectFileTitle("C:\\designs\\probe.prj"), "probe.prj");
    EXPECT_EQ(ProjectFileTitle("/home/ana/probe.prj"), "probe.prj");
}

// The path added goes first; one already listed (found ignoring case, kept in its new spelling)
// moves up, otherwise the oldest drops out.
TEST(RecentProjects, AddingPutsThePathFirst) {
    const std::vector<std::pair<const char*, RecentProjects>> rows = {
        {"/d/a.prj", {"/d/a.prj", "/d/b.prj", "/d/c.prj", "/d/d.prj"}},
        {"/d/b.prj", {"/d/b.prj", "/d/a.prj", "/d/c.prj", "/d/d.prj"}},
        {"/d/c.prj", {"/d/c.prj", "/d/a.prj", "/d/b.prj", "/d/d.prj"}},
        {"/d/d.prj", {"/d/d.prj", "/d/a.prj", "/d/b.prj", "/d/c.prj"}},
        {"/d/C.prj", {"/d/C.prj", "/d/a.prj", "/d/b.prj", "/d/d.prj"}},
        {"/d/e.prj", {"/d/e.prj", "/d/a.prj", "/d/b.prj", "/d/c.prj"}},
    };
    for (const auto& [added, expected] : rows) {
        RecentProjects recent = {"/d/a.prj", "/d/b.prj", "/d/c.prj", "/d/d.prj"};
        AddRecentProject(recent, added);
        EXPECT_EQ(recent, expected) << added;
    }
}

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
    // A copy that cannot be put in place (a folder of that name): the installed file is used,
    // the user is told, and no half copy is left.
    Installation blocked;
    testing::WriteBytes(blocked.share / "DesMat.Dat", database);
    fs::create_directories(blocked.user / "DesMat.Dat" / "x");
    const ProgramFolder fallback = LocateProgramFolder(blocked.bin, blocked.user);
    EXPECT_TRUE(fs::equivalent(fallback.materialsFile, blocked.share / "DesMat.Dat"));
    EXPECT_FALSE(fallback.seeded);
    EXPECT_EQ(fallback.problem.rfind("The materials file could not be copied to ", 0), 0u);
    EXPECT_EQ(testing::EntryCount(blocked.user), 1);
}

}  // namespace
}  // namespace tidewell
