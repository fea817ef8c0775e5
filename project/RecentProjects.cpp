// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/RecentProjects.h"

#include "materials/Windows1252.h"

namespace tidewell {

RecentMenuCaptions RefreshRecentMenu(const RecentProjects& recent) {
    RecentMenuCaptions captions;
    for (int i = 0; i < kRecentProjectCount; ++i) {
        captions[static_cast<std::size_t>(i)] =
            "&" + std::to_string(i + 1) + " " + recent[static_cast<std::size_t>(i)];
    }
    return captions;
}

bool SameRecentPath(const std::string& a, const std::string& b) {
    return UpperCaseText(a) == UpperCaseText(b);
}

RecentMenuCaptions AddRecentProject(RecentProjects& recent, const std::string& pathToAdd) {
    // A copy: the caller may pass one of the list's own entries, which the shift overwrites.
    const std::string path = pathToAdd;
    if (SameRecentPath(recent[0], path)) return RefreshRecentMenu(recent);
    std::size_t from = recent.size() - 1;  // not found: the oldest entry drops off
    for (std::size_t i = 1; i < recent.size(); ++i) {
        if (SameRecentPath(recent[i], path)) {
            from = i;
            break;
        }
    }
    for (std::size_t j = from; j >= 1; --j) recent[j] = recent[j - 1];
    recent[0] = path;
    return RefreshRecentMenu(recent);
}

}  // namespace tidewell
