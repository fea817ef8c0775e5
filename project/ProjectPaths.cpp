// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectPaths.h"

#include <cstddef>
#include <filesystem>

namespace tidewell {

namespace {

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EndsWithProjectExtension(const std::string& path) {
    static constexpr char kExtension[] = ".PRJ";
    constexpr std::size_t kLength = sizeof kExtension - 1;
    if (path.size() < kLength) return false;
    for (std::size_t i = 0; i < kLength; ++i) {
        if (AsciiUpper(path[path.size() - kLength + i]) != kExtension[i]) return false;
    }
    return true;
}

}  // namespace

bool IsFolderSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string NormaliseProjectPath(const std::string& path, const std::string& programFolder) {
    std::string normalised = path;
    if (!EndsWithProjectExtension(normalised)) normalised += ".PRJ";
    bool hasFolder = false;
    for (const char c : normalised) {
        if (IsFolderSeparator(c) || c == ':') hasFolder = true;
    }
    if (!hasFolder) {
        std::string folder = programFolder;
        if (!folder.empty() && !IsFolderSeparator(folder.back())) {
            folder.push_back(static_cast<char>(std::filesystem::path::preferred_separator));
        }
        normalised = folder + normalised;
    }
    return normalised;
}

std::string ProjectFileTitle(const std::string& path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string::npos) return path;
    return path.substr(last + 1);
}

std::string ProposedProjectFileName(const std::string& projectTitle) {
    return projectTitle + ".prj";
}

}  // namespace tidewell
