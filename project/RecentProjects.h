// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The list of recently used project files shown at the foot of the File menu: four paths, the
// most recent first.

#include <array>
#include <string>

namespace tidewell {

inline constexpr int kRecentProjectCount = 4;

using RecentProjects = std::array<std::string, kRecentProjectCount>;
using RecentMenuCaptions = std::array<std::string, kRecentProjectCount>;

// The captions of the four recent-project menu items: "&" + (i + 1) + " " + entry i, so entry 0
// C:\designs\probe.prj gives "&1 C:\designs\probe.prj". All four items are shown.
RecentMenuCaptions RefreshRecentMenu(const RecentProjects& recent);

// True when two paths are the same ignoring letter case.
bool SameRecentPath(const std::string& a, const std::string& b);

// Puts path at the top of the list. A path already first (ignoring case) changes nothing; one
// found further down moves to the top, the entries above it moving down one place; a new path
// pushes the others down and the oldest drops off. Returns the refreshed menu captions.
RecentMenuCaptions AddRecentProject(RecentProjects& recent, const std::string& path);

}  // namespace tidewell
