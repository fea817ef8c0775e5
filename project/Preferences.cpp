// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/Preferences.h"

#include <optional>
#include <string>

#include "project/NumberText.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

const char* const kReadFailure = "Error reading from the system registry.";
const char* const kWriteFailure = "Error writing to the system registry.";
constexpr int16_t kDefaultSignificantDigits = 5;
constexpr int16_t kMaxSignificantDigits = 12;

std::string RecentKey(int index) {
    return "RECENTFILE" + std::to_string(index);
}

// The number of a preference value: its leading number rounded to an integer, or nothing when
// it does not fit a 16-bit integer.
std::optional<int16_t> NumberSetting(const std::string& value) {
    return RoundToInt16(LeadingNumber(value));
}

// Applies the preferences in order; returns false at the first value the store cannot give.
class PreferenceLoader {
public:
    PreferenceLoader(Registry& registry, DesignRecord& design, DesignFormState& form,
                     RecentProjects& recent, DesignUiActions& actions)
        : registry_(registry), design_(design), form_(form), recent_(recent), actions_(actions) {}

    bool Run() {
        std::string value;
        for (std::string& entry : recent_) entry.clear();
        for (int i = 0; i < kRecentProjectCount; ++i) {
            if (!ReadPreference(registry_, RecentKey(i), value)) return false;
            if (value.empty()) value = "Example" + std::to_string(i + 1) + ".PRJ";
            recent_[static_cast<std::size_t>(i)] = value;
        }

        if (!ReadPreference(registry_, "DESIGNER", value)) return false;
        form_.designer = value;
        design_.DesignerName = value;
        design_.ProjectChanged = kTrue;

        // The title and description are not restored: a start is a new project.
        form_.title.clear();
        design_.ProjectTitle.clear();
        design_.ProjectFilePath.clear();
        form_.description.clear();
        design_.ProjectDescription.clear();

        if (!ReadPreference(registry_, "DEFAULTMATERIAL", value)) return false;
        form_.materialLabel = value;
        actions_.closeResults = true;

        if (!ReadPreference(registry_, "DEFAULTUNITS", value)) return false;
        design_.UnitSystem = value == "ENGLISH" ? 0 : 1;
        form_.unitOption = design_.UnitSystem;

        if (!ReadPreference(registry_, "DEFAULTPRESSURESOURCE", value)) return false;
        design_.PressureSource = value == "INTERNAL" ? 0 : 1;
        form_.pressureSourceOption = design_.PressureSource;

        if (!ReadPreference(registry_, "FORCETHICKEQ'S", value)) return false;
        design_.ForceThickWall = value == "TRUE" ? 1 : 0;
        form_.forceThickCheck = design_.ForceThickWall;

        if (!ReadPreference(registry_, "USEWORKINGSTRENGTH", value)) return false;
        design_.UseWorkingStrength = value == "TRUE" ? 1 : 0;
        form_.workStrengthCheck = design_.UseWorkingStrength;

        if (!LoadConfiguration()) return false;

        if (!ReadPreference(registry_, "SIGNIFICANTDIGITS", value)) return false;
        const std::optional<int16_t> digits = NumberSetting(value);
        // 0 (nothing stored) and counts the formatter cannot show both become the default.
        design_.SignificantDigits = digits && *digits >= 1 && *digits <= kMaxSignificantDigits
                                        ? *digits
                                        : kDefaultSignificantDigits;

        if (!ReadPreference(registry_, "NUMERICFORMAT", value)) return false;
        // A stored 0 (also what an empty value reads as) becomes 2, and the formatter knows no
        // code but 0 and 2: the number format always starts as fixed point.
        design_.NumericFormat = kFixedNotation;

        if (!ReadPreference(registry_, "DEFAULTPRESSURERANGE", value)) return false;
        design_.PressureRange = NumberSetting(value).value_or(0);
        return true;
    }

private:
    void Body(int index) {
        Record(SelectBody(design_, index));
        form_.bodySelection = index;
    }

    void Endcap(int index) {
        Record(SelectEndcap(design_, index));
        form_.endcapSelection = index;
    }

    void Record(const DesignUiActions& step) {
        ApplyUiActions(step, form_);
        actions_.Merge(step);
    }

    bool LoadConfiguration() {
        std::string body;
        if (!ReadPreference(registry_, "DEFAULTBODY", body)) return false;
        if (body == "TUBE" || body == "TUBE AND ENDCAP") {
            Body(0);
        } else if (body == "SPHERE") {
            Body(1);
        } else if (body == "HEMISPHERE") {  // a retired body: the hemisphere is an endcap now
            Body(2);
            Endcap(2);
        } else if (body == "ENDCAP ONLY") {
            Body(2);
            std::string endcap;
            if (!ReadPreference(registry_, "DEFAULTENDCAP", endcap)) return false;
            if (endcap == "ANNULAR") {
                Endcap(0);
            } else if (endcap == "CONIC" || endcap == "CONICAL") {
                Endcap(1);
            } else if (endcap == "HEMISPHERIC" || endcap == "HEMISPHERICAL") {
                Endcap(2);
            } else if (endcap == "PLATE" || endcap == "FLAT CIRCULAR") {
                Endcap(3);
            }
        }
        return true;
    }

    Registry& registry_;
    DesignRecord& design_;
    DesignFormState& form_;
    RecentProjects& recent_;
    DesignUiActions& actions_;
};

const char* BodyPreference(int selection) {
    switch (selection) {
        case 1:
            return "SPHERE";
        case 2:
            return "ENDCAP ONLY";
        default:  // "Tube", or no selection
            return "TUBE";
    }
}

const char* EndcapPreference(int selection) {
    switch (selection) {
        case 0:
            return "ANNULAR";
        case 1:
            return "CONIC";
        case 2:
            return "HEMISPHERIC";
        default:  // "Flat Circular", or no selection
            return "PLATE";
    }
}

}  // namespace

PreferencesResult LoadPreferences(Registry& registry, DesignRecord& design, DesignFormState& form,
                                  RecentProjects& recent, UserMessages& messages) {
    PreferencesResult result;
    PreferenceLoader loader(registry, design, form, recent, result.actions);
    result.ok = loader.Run();
    if (!result.ok) {
        messages.Show(kReadFailure, kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
    }
    result.recentCaptions = RefreshRecentMenu(recent);
    return result;
}

PreferencesResult SavePreferences(Registry& registry, const DesignRecord& design,
                                  const DesignFormState& form, const RecentProjects& recent,
                                  UserMessages& messages) {
    PreferencesResult result;
    auto write = [&](const std::string& key, const std::string& value) {
        if (!WritePreference(registry, key, value)) result.ok = false;
    };
    for (int i = 0; i < kRecentProjectCount; ++i) {
        write(RecentKey(i), recent[static_cast<std::size_t>(i)]);
    }
    write("DESIGNER", form.designer);
    write("PROJECTTITLE", form.title);
    write("PROJECTDESCRIPTION", form.description);
    write("DEFAULTMATERIAL", form.materialLabel);
    write("DEFAULTUNITS", form.unitOption == 0 ? "ENGLISH" : "SI");
    write("DEFAULTPRESSURESOURCE", form.pressureSourceOption == 0 ? "INTERNAL" : "EXTERNAL");
    write("FORCETHICKEQ'S", form.forceThickCheck != 0 ? "TRUE" : "FALSE");
    write("USEWORKINGSTRENGTH", form.workStrengthCheck != 0 ? "TRUE" : "FALSE");
    write("DEFAULTBODY", BodyPreference(form.bodySelection));
    write("DEFAULTENDCAP", EndcapPreference(form.endcapSelection));
    write("SIGNIFICANTDIGITS", ProjectNumberText(design.SignificantDigits));
    write("NUMERICFORMAT", ProjectNumberText(design.NumericFormat));
    write("DEFAULTPRESSURERANGE", ProjectNumberText(design.PressureRange));
    if (!result.ok) {
        messages.Show(kWriteFailure, kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
    }
    result.recentCaptions = RefreshRecentMenu(recent);
    return result;
}

}  // namespace tidewell
