// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/Registry.h"

namespace tidewell {

namespace {

void AddressPreference(Registry& registry, const std::string& key) {
    registry.Appname = kPreferencesApplication;
    registry.Section = kPreferencesSection;
    registry.Key = key;
}

}  // namespace

bool Registry::RegGet() {
    std::string value;
    const bool ok = store_.Get(Appname, Section, Key, value);
    Setting = ok ? value : std::string();
    return ok;
}

bool Registry::RegSave() {
    return store_.Save(Appname, Section, Key, Setting);
}

bool Registry::RegDel() {
    return store_.Delete(Appname, Section, Key);
}

bool ReadPreference(Registry& registry, const std::string& key, std::string& value) {
    AddressPreference(registry, key);
    const bool ok = registry.RegGet();
    value = registry.Setting;
    return ok;
}

bool WritePreference(Registry& registry, const std::string& key, const std::string& value) {
    AddressPreference(registry, key);
    registry.Setting = value;
    return registry.RegSave();
}

}  // namespace tidewell
