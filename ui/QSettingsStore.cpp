// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QSettingsStore.h"

#include <QSettings>

#include "ui/QtText.h"

namespace tidewell {

namespace {

// A key of the group; QSettings would read "/" and "\" inside a key as sub-groups.
QString KeyOf(const std::string& section, const std::string& key) {
    QString name = ToQ(key);
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return ToQ(section) + QLatin1Char('/') + name;
}

}  // namespace

bool QSettingsStore::Get(const std::string& application, const std::string& section,
                         const std::string& key, std::string& value) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_,
                             ToQ(application));
    value = FromQ(settings.value(KeyOf(section, key)).toString());
    return settings.status() != QSettings::AccessError;
}

bool QSettingsStore::Save(const std::string& application, const std::string& section,
                          const std::string& key, const std::string& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, ToQ(application));
    settings.setValue(KeyOf(section, key), ToQ(value));
    settings.sync();
    return settings.status() == QSettings::NoError && settings.isWritable();
}

bool QSettingsStore::Delete(const std::string& application, const std::string& section,
                            const std::string& key) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, ToQ(application));
    settings.remove(KeyOf(section, key));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace tidewell
