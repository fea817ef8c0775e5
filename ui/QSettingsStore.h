// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop's settings store: QSettings in INI format in the user's scope. The application name
// picks the file, the section is the INI group.

#include <QString>

#include "project/SettingsStore.h"

namespace tidewell {

class QSettingsStore : public SettingsStore {
public:
    // organization names the folder of the INI files ("Tidewell" by default).
    explicit QSettingsStore(QString organization = QStringLiteral("Tidewell"))
        : organization_(std::move(organization)) {}

    bool Get(const std::string& application, const std::string& section, const std::string& key,
             std::string& value) override;
    bool Save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override;
    bool Delete(const std::string& application, const std::string& section,
                const std::string& key) override;

private:
    QString organization_;
};

}  // namespace tidewell
