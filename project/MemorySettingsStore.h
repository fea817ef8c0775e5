// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A settings store held in memory, for tests and for a run that must not touch the user's
// settings. It can be told to fail from a given operation on, to stand for a store that breaks
// down half-way.

#include <cstddef>
#include <map>
#include <string>
#include <tuple>

#include "project/SettingsStore.h"

namespace tidewell {

class MemorySettingsStore : public SettingsStore {
public:
    using Address = std::tuple<std::string, std::string, std::string>;

    bool Get(const std::string& application, const std::string& section, const std::string& key,
             std::string& value) override {
        if (!Allowed()) return false;
        const auto found = values.find(Address{application, section, key});
        value = found == values.end() ? std::string() : found->second;
        return true;
    }

    bool Save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        if (!Allowed()) return false;
        values[Address{application, section, key}] = value;
        return true;
    }

    bool Delete(const std::string& application, const std::string& section,
                const std::string& key) override {
        if (!Allowed()) return false;
        values.erase(Address{application, section, key});
        return true;
    }

    // Operations from number `operation` on (counting from 0) fail.
    void FailFrom(std::size_t operation) { failFrom_ = operation; }

    std::size_t OperationCount() const { return operations_; }

    std::map<Address, std::string> values;

private:
    bool Allowed() { return operations_++ < failFrom_; }

    std::size_t operations_ = 0;
    std::size_t failFrom_ = static_cast<std::size_t>(-1);
};

}  // namespace tidewell
