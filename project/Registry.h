// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's small wrapper around the settings store, and the preference reads and writes on
// top of it (application "Tidewell", section "Newest_Testing").

#include <string>

#include "project/SettingsStore.h"

namespace tidewell {

inline const char* const kPreferencesApplication = "Tidewell";
inline const char* const kPreferencesSection = "Newest_Testing";

class Registry {
public:
    explicit Registry(SettingsStore& store) : store_(store) {}

    std::string Appname;
    std::string Section;
    std::string Key;
    std::string Setting;

    // Fills Setting with the value of Appname/Section/Key, or the empty text when there is none.
    // False when the store fails (Setting is then empty).
    bool RegGet();
    // Stores Setting under Appname/Section/Key.
    bool RegSave();
    // Removes the value of Appname/Section/Key.
    bool RegDel();

private:
    SettingsStore& store_;
};

// Reads the preference key into value; false when the store fails.
bool ReadPreference(Registry& registry, const std::string& key, std::string& value);

// Stores value under the preference key; false when the store fails.
bool WritePreference(Registry& registry, const std::string& key, const std::string& value);

}  // namespace tidewell
