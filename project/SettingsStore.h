// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The per-user settings store: text values addressed by application name, section and key. A key
// that has no value reads as the empty text. Every operation can fail (a store that cannot be
// read or written); it then returns false.

#include <string>

namespace tidewell {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Fills value with the stored text, or the empty text when the key has none.
    virtual bool Get(const std::string& application, const std::string& section,
                     const std::string& key, std::string& value) = 0;
    virtual bool Save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) = 0;
    // Removing a key that has no value succeeds.
    virtual bool Delete(const std::string& application, const std::string& section,
                        const std::string& key) = 0;
};

}  // namespace tidewell
