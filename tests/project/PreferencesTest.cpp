#include <gtest/gtest.h>

#include "analysis/DesignOperations.h"
#include "project/MemorySettingsStore.h"
#include "project/Preferences.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

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

std::string Stored(const MemorySettingsStore& store, const std::string& key) {
    const auto found = store.values.find({"Tidewell", "Newest_Testing", key});
    return found == store.values.end() ? "<missing>" : found->second;
}

TEST(LoadPreferences, FirstRunOnAnEmptyStore) {
    MemorySettingsStore store;
    Start start(store);
    EXPECT_TRUE(start.result.ok);
    EXPECT_TRUE(start.messages.Empty());
    EXPECT_EQ(start.recent,
              (RecentProjects{"Example1.PRJ", "Example2.PRJ", "Example3.PRJ", "Example4.PRJ"}));
    EXPECT_EQ(start.result.recentCaptions[0], "&1 Example1.PRJ");
    EXPECT_EQ(start.result.recentCaptions[3], "&4 Example4.PRJ");
    EXPECT_EQ(start.design.UnitSystem, 1);
    EXPECT_EQ(start.form.unitOption, 1);
    EXPECT_EQ(start.design.PressureSource, 1);
    EXPECT_EQ(start.form.pressureSourceOption, 1);
    EXPECT_EQ(start.design.ForceThickWall, 0);
    EXPECT_EQ(start.design.UseWorkingStrength, 0);
    EXPECT_EQ(start.design.BodyType, kTubeBody);
    EXPECT_EQ(start.form.bodySelection, 0);
    EXPECT_EQ(start.design.SignificantDigits, 5);
    EXPECT_EQ(start.design.NumericFormat, 2);
    EXPECT_EQ(start.design.PressureRange, 0);
    EXPECT_EQ(start.form.designer, "");
    EXPECT_EQ(start.form.materialLabel, "");
    // The title box is emptied; the design form then titles the project.
    EXPECT_EQ(start.form.title, "");
    EXPECT_EQ(start.design.ProjectTitle, "");
    // Reading never writes.
    EXPECT_TRUE(store.values.empty());
}

TEST(LoadPreferences, RestoresTheDesignerRecentFilesAndMaterial) {
    MemorySettingsStore store;
    Put(store, "RECENTFILE0", "/d/a.prj");
    Put(store, "RECENTFILE2", "/d/c.prj");
    Put(store, "DESIGNER", "Ana M\xC3\xBCller");
    Put(store, "DEFAULTMATERIAL", "Titanium 6Al-4V");
    Put(store, "PROJECTTITLE", "not read");
    Put(store, "PROJECTDESCRIPTION", "not read either");
    Start start(store);
    EXPECT_EQ(start.recent,
              (RecentProjects{"/d/a.prj", "Example2.PRJ", "/d/c.prj", "Example4.PRJ"}));
    EXPECT_EQ(start.form.designer, "Ana M\xC3\xBCller");
    EXPECT_EQ(start.design.DesignerName, "Ana M\xC3\xBCller");
    EXPECT_EQ(start.form.materialLabel, "Titanium 6Al-4V");
    EXPECT_EQ(start.form.title, "");
    EXPECT_EQ(start.form.description, "");
    EXPECT_EQ(start.design.ProjectDescription, "");
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
        KeyRow{"UnitsSi", "DEFAULTUNITS", "SI", &DesignRecord::UnitSystem, 1},
        KeyRow{"UnitsOther", "DEFAULTUNITS", "ENGLISH ", &DesignRecord::UnitSystem, 1},
        KeyRow{"SourceInternal", "DEFAULTPRESSURESOURCE", "INTERNAL", &DesignRecord::PressureSource,
               0},
        KeyRow{"SourceLowerCaseIsExternal", "DEFAULTPRESSURESOURCE", "internal",
               &DesignRecord::PressureSource, 1},
        KeyRow{"SourceExternal", "DEFAULTPRESSURESOURCE", "EXTERNAL", &DesignRecord::PressureSource,
               1},
        KeyRow{"ThickTrue", "FORCETHICKEQ'S", "TRUE", &DesignRecord::ForceThickWall, 1},
        KeyRow{"ThickMixedCase", "FORCETHICKEQ'S", "True", &DesignRecord::ForceThickWall, 0},
        KeyRow{"ThickFalse", "FORCETHICKEQ'S", "FALSE", &DesignRecord::ForceThickWall, 0},
        KeyRow{"WorkingTrue", "USEWORKINGSTRENGTH", "TRUE", &DesignRecord::UseWorkingStrength, 1},
        KeyRow{"WorkingOther", "USEWORKINGSTRENGTH", "-1", &DesignRecord::UseWorkingStrength, 0},
        KeyRow{"DigitsSeven", "SIGNIFICANTDIGITS", " 7", &DesignRecord::SignificantDigits, 7},
        KeyRow{"DigitsWord", "SIGNIFICANTDIGITS", "abc", &DesignRecord::SignificantDigits, 5},
        KeyRow{"DigitsZero", "SIGNIFICANTDIGITS", " 0", &DesignRecord::SignificantDigits, 5},
        KeyRow{"DigitsOne", "SIGNIFICANTDIGITS", " 1", &DesignRecord::SignificantDigits, 1},
        KeyRow{"DigitsTwelve", "SIGNIFICANTDIGITS", " 12", &DesignRecord::SignificantDigits, 12},
        KeyRow{"DigitsThirteen", "SIGNIFICANTDIGITS", " 13", &DesignRecord::SignificantDigits, 5},
        KeyRow{"DigitsNegative", "SIGNIFICANTDIGITS", "-3", &DesignRecord::SignificantDigits, 5},
        KeyRow{"DigitsRounded", "SIGNIFICANTDIGITS", "7.6", &DesignRecord::SignificantDigits, 8},
        KeyRow{"DigitsLeadingNumber", "SIGNIFICANTDIGITS", "9 digits",
               &DesignRecord::SignificantDigits, 9},
        KeyRow{"DigitsHuge", "SIGNIFICANTDIGITS", "1E+9", &DesignRecord::SignificantDigits, 5},
        KeyRow{"FormatZeroBecomesTwo", "NUMERICFORMAT", " 0", &DesignRecord::NumericFormat, 2},
        KeyRow{"FormatTwo", "NUMERICFORMAT", " 2", &DesignRecord::NumericFormat, 2},
        KeyRow{"FormatUnknown", "NUMERICFORMAT", " 7", &DesignRecord::NumericFormat, 2},
        KeyRow{"RangeThree", "DEFAULTPRESSURERANGE", " 3", &DesignRecord::PressureRange, 3},
        KeyRow{"RangeWord", "DEFAULTPRESSURERANGE", "x", &DesignRecord::PressureRange, 0},
        KeyRow{"RangeZero", "DEFAULTPRESSURERANGE", " 0", &DesignRecord::PressureRange, 0},
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
                      BodyRow{"TubeAndEndcap", "TUBE AND ENDCAP", "CONIC", 10, 0, 0, -1},
                      BodyRow{"Sphere", "SPHERE", "", 9, 0, 1, -1},
                      BodyRow{"HemisphereIsAnEndcap", "HEMISPHERE", "ANNULAR", 0, 3, 2, 2},
                      BodyRow{"EndcapAnnular", "ENDCAP ONLY", "ANNULAR", 0, 1, 2, 0},
                      BodyRow{"EndcapConic", "ENDCAP ONLY", "CONIC", 0, 2, 2, 1},
                      BodyRow{"EndcapConical", "ENDCAP ONLY", "CONICAL", 0, 2, 2, 1},
                      BodyRow{"EndcapHemispheric", "ENDCAP ONLY", "HEMISPHERIC", 0, 3, 2, 2},
                      BodyRow{"EndcapHemispherical", "ENDCAP ONLY", "HEMISPHERICAL", 0, 3, 2, 2},
                      BodyRow{"EndcapPlate", "ENDCAP ONLY", "PLATE", 0, 4, 2, 3},
                      BodyRow{"EndcapFlatCircular", "ENDCAP ONLY", "FLAT CIRCULAR", 0, 4, 2, 3},
                      // "Endcap Only" on its own already selects the flat circular plate.
                      BodyRow{"EndcapUnknown", "ENDCAP ONLY", "conic", 0, 4, 2, 3},
                      BodyRow{"EndcapMissing", "ENDCAP ONLY", "", 0, 4, 2, 3},
                      BodyRow{"LowerCaseKeepsTube", "sphere", "", 10, 0, 0, -1},
                      BodyRow{"MissingKeepsTube", "", "", 10, 0, 0, -1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LoadPreferences, AnnularEndcapPreselectsItsRestraint) {
    MemorySettingsStore store;
    Put(store, "DEFAULTBODY", "ENDCAP ONLY");
    Put(store, "DEFAULTENDCAP", "ANNULAR");
    Start start(store);
    EXPECT_EQ(start.design.EdgeRestraint, 4);
    EXPECT_EQ(start.form.restraintSelection, 4);
    ASSERT_TRUE(start.result.actions.restraintList.has_value());
    EXPECT_EQ(start.result.actions.restraintList->caption, "Edge Restraint Options - Outer/Inner");
}

// The store breaks down at operation `failAt`; the reads are, in order: RECENTFILE0 to 3 (0-3),
// DESIGNER (4), DEFAULTMATERIAL (5), DEFAULTUNITS (6), DEFAULTPRESSURESOURCE (7),
// FORCETHICKEQ'S (8), USEWORKINGSTRENGTH (9), DEFAULTBODY (10), DEFAULTENDCAP (11),
// SIGNIFICANTDIGITS (12), NUMERICFORMAT (13), DEFAULTPRESSURERANGE (14).
class FailingStoreTest : public ::testing::TestWithParam<int> {};

TEST_P(FailingStoreTest, StopsWhereTheStoreFailedAndSaysSo) {
    const int failAt = GetParam();
    MemorySettingsStore store;
    Put(store, "RECENTFILE0", "/d/a.prj");
    Put(store, "RECENTFILE3", "/d/d.prj");
    Put(store, "DESIGNER", "Ana");
    Put(store, "DEFAULTMATERIAL", "Steel");
    Put(store, "DEFAULTUNITS", "SI");
    Put(store, "DEFAULTPRESSURESOURCE", "INTERNAL");
    Put(store, "FORCETHICKEQ'S", "TRUE");
    Put(store, "USEWORKINGSTRENGTH", "TRUE");
    Put(store, "DEFAULTBODY", "ENDCAP ONLY");
    Put(store, "DEFAULTENDCAP", "CONIC");
    Put(store, "SIGNIFICANTDIGITS", " 7");
    Put(store, "NUMERICFORMAT", " 2");
    Put(store, "DEFAULTPRESSURERANGE", " 3");
    store.FailFrom(static_cast<std::size_t>(failAt));
    Start start(store);

    const bool fails = failAt <= 14;
    EXPECT_EQ(start.result.ok, !fails);
    if (fails) {
        ASSERT_EQ(start.messages.shown.size(), 1u);
        EXPECT_EQ(start.messages.shown[0].text, "Error reading from the system registry.");
        EXPECT_EQ(start.messages.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(start.messages.shown[0].title, "Tidewell");
    } else {
        EXPECT_TRUE(start.messages.Empty());
    }
    EXPECT_EQ(start.recent[0], failAt > 0 ? "/d/a.prj" : "");
    EXPECT_EQ(start.recent[3], failAt > 3 ? "/d/d.prj" : "");
    EXPECT_EQ(start.design.DesignerName, failAt > 4 ? "Ana" : "");
    EXPECT_EQ(start.form.materialLabel, failAt > 5 ? "Steel" : "");
    // Values not read yet keep what the new project gave them.
    EXPECT_EQ(start.design.UnitSystem, failAt > 6 ? 1 : 0);
    EXPECT_EQ(start.design.ForceThickWall, failAt > 8 ? 1 : 0);
    EXPECT_EQ(start.design.UseWorkingStrength, failAt > 9 ? 1 : 0);
    EXPECT_EQ(start.design.BodyType, failAt > 10 ? kNoBody : kTubeBody);
    EXPECT_EQ(start.design.EndcapType,
              failAt > 11 ? kConicalEndcap : (failAt > 10 ? kFlatCircularEndcap : kNoEndcap));
    EXPECT_EQ(start.design.SignificantDigits, failAt > 12 ? 7 : 5);
    EXPECT_EQ(start.design.PressureRange, failAt > 14 ? 3 : 4);
}

INSTANTIATE_TEST_SUITE_P(AtEveryRead, FailingStoreTest, ::testing::Range(0, 16));

DesignFormState EndOfRunForm() {
    DesignFormState form;
    form.title = "Deep probe";
    form.description = "A cone";
    form.designer = "Ana M\xC3\xBCller";
    form.materialLabel = "Acrylic";
    form.unitOption = 0;
    form.pressureSourceOption = 0;
    form.forceThickCheck = 1;
    form.workStrengthCheck = 0;
    form.bodySelection = 2;
    form.endcapSelection = 1;
    return form;
}

TEST(SavePreferences, WritesEveryKey) {
    MemorySettingsStore store;
    Registry registry(store);
    DesignRecord design;
    design.SignificantDigits = 7;
    design.NumericFormat = 0;
    design.PressureRange = 3;
    const RecentProjects recent = {"/d/a.prj", "/d/b.prj", "", "/d/d.prj"};
    ScriptedMessages messages;
    const PreferencesResult result =
        SavePreferences(registry, design, EndOfRunForm(), recent, messages);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(messages.Empty());
    EXPECT_EQ(result.recentCaptions[1], "&2 /d/b.prj");
    EXPECT_EQ(Stored(store, "RECENTFILE0"), "/d/a.prj");
    EXPECT_EQ(Stored(store, "RECENTFILE2"), "");
    EXPECT_EQ(Stored(store, "RECENTFILE3"), "/d/d.prj");
    EXPECT_EQ(Stored(store, "DESIGNER"), "Ana M\xC3\xBCller");
    EXPECT_EQ(Stored(store, "PROJECTTITLE"), "Deep probe");
    EXPECT_EQ(Stored(store, "PROJECTDESCRIPTION"), "A cone");
    EXPECT_EQ(Stored(store, "DEFAULTMATERIAL"), "Acrylic");
    EXPECT_EQ(Stored(store, "DEFAULTUNITS"), "ENGLISH");
    EXPECT_EQ(Stored(store, "DEFAULTPRESSURESOURCE"), "INTERNAL");
    EXPECT_EQ(Stored(store, "FORCETHICKEQ'S"), "TRUE");
    EXPECT_EQ(Stored(store, "USEWORKINGSTRENGTH"), "FALSE");
    EXPECT_EQ(Stored(store, "DEFAULTBODY"), "ENDCAP ONLY");
    EXPECT_EQ(Stored(store, "DEFAULTENDCAP"), "CONIC");
    EXPECT_EQ(Stored(store, "SIGNIFICANTDIGITS"), " 7");
    EXPECT_EQ(Stored(store, "NUMERICFORMAT"), " 0");
    EXPECT_EQ(Stored(store, "DEFAULTPRESSURERANGE"), " 3");
    EXPECT_EQ(store.values.size(), 17u);
}

struct SelectionRow {
    const char* name;
    int bodySelection;
    int endcapSelection;
    const char* body;
    const char* endcap;
};

class SavedSelectionTest : public ::testing::TestWithParam<SelectionRow> {};

TEST_P(SavedSelectionTest, NamesTheListChoice) {
    MemorySettingsStore store;
    Registry registry(store);
    DesignFormState form = EndOfRunForm();
    form.bodySelection = GetParam().bodySelection;
    form.endcapSelection = GetParam().endcapSelection;
    ScriptedMessages messages;
    SavePreferences(registry, DesignRecord{}, form, RecentProjects{}, messages);
    EXPECT_EQ(Stored(store, "DEFAULTBODY"), GetParam().body);
    EXPECT_EQ(Stored(store, "DEFAULTENDCAP"), GetParam().endcap);
}

INSTANTIATE_TEST_SUITE_P(Lists, SavedSelectionTest,
                         ::testing::Values(SelectionRow{"Tube", 0, -1, "TUBE", "PLATE"},
                                           SelectionRow{"Sphere", 1, -1, "SPHERE", "PLATE"},
                                           SelectionRow{"NoBody", -1, -1, "TUBE", "PLATE"},
                                           SelectionRow{"Annular", 2, 0, "ENDCAP ONLY", "ANNULAR"},
                                           SelectionRow{"Conic", 2, 1, "ENDCAP ONLY", "CONIC"},
                                           SelectionRow{"Hemispheric", 2, 2, "ENDCAP ONLY",
                                                        "HEMISPHERIC"},
                                           SelectionRow{"Plate", 2, 3, "ENDCAP ONLY", "PLATE"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SavePreferences, AFailingStoreIsReportedOnceAndTheOtherKeysAreStillWritten) {
    MemorySettingsStore store;
    store.FailFrom(0);
    Registry registry(store);
    ScriptedMessages messages;
    const PreferencesResult result =
        SavePreferences(registry, DesignRecord{}, EndOfRunForm(), RecentProjects{}, messages);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Error writing to the system registry."});
    EXPECT_EQ(store.OperationCount(), 17u);
}

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
    EXPECT_EQ(next.form.designer, "Ana");
    EXPECT_EQ(next.form.materialLabel, "Acrylic");
    EXPECT_EQ(next.design.UnitSystem, 0);
    EXPECT_EQ(next.design.PressureSource, 0);
    EXPECT_EQ(next.design.ForceThickWall, 0);
    EXPECT_EQ(next.design.UseWorkingStrength, 1);
    EXPECT_EQ(next.design.BodyType, kNoBody);
    EXPECT_EQ(next.design.EndcapType, kConicalEndcap);
    EXPECT_EQ(next.form.bodySelection, 2);
    EXPECT_EQ(next.form.endcapSelection, 1);
    EXPECT_EQ(next.design.SignificantDigits, 9);
    EXPECT_EQ(next.design.NumericFormat, 2);
    EXPECT_EQ(next.design.PressureRange, 6);
    // The title is not carried over.
    EXPECT_EQ(next.form.title, "");
}

TEST(Registry, AddressesTheProgramsSection) {
    MemorySettingsStore store;
    Registry registry(store);
    ASSERT_TRUE(WritePreference(registry, "DESIGNER", "Ana"));
    EXPECT_EQ(registry.Appname, "Tidewell");
    EXPECT_EQ(registry.Section, "Newest_Testing");
    EXPECT_EQ(registry.Key, "DESIGNER");
    EXPECT_EQ(registry.Setting, "Ana");
    EXPECT_EQ(Stored(store, "DESIGNER"), "Ana");
    std::string value;
    ASSERT_TRUE(ReadPreference(registry, "DESIGNER", value));
    EXPECT_EQ(value, "Ana");
}

TEST(Registry, MissingKeyReadsEmptyAndDeleteRemoves) {
    MemorySettingsStore store;
    Registry registry(store);
    registry.Appname = "Other";
    registry.Section = "S";
    registry.Key = "K";
    registry.Setting = "left over";
    ASSERT_TRUE(registry.RegGet());
    EXPECT_EQ(registry.Setting, "");
    registry.Setting = "v";
    ASSERT_TRUE(registry.RegSave());
    EXPECT_EQ(store.values.at({"Other", "S", "K"}), "v");
    ASSERT_TRUE(registry.RegDel());
    EXPECT_TRUE(store.values.empty());
    ASSERT_TRUE(registry.RegDel());  // removing again is no error
}

TEST(Registry, ReportsAFailingStore) {
    MemorySettingsStore store;
    store.values[{"Tidewell", "Newest_Testing", "DESIGNER"}] = "Ana";
    store.FailFrom(0);
    Registry registry(store);
    std::string value = "stale";
    EXPECT_FALSE(ReadPreference(registry, "DESIGNER", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(WritePreference(registry, "DESIGNER", "Bo"));
    EXPECT_FALSE(registry.RegDel());
    EXPECT_EQ(store.values.at({"Tidewell", "Newest_Testing", "DESIGNER"}), "Ana");
}

}  // namespace
}  // namespace tidewell
