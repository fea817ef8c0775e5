// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a whole file and replacing a file only once its new content is complete. The file
// system steps go through a small interface so that tests can make a write fail half-way.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace tidewell {

// A path from UTF-8 text, the program's encoding of every text.
std::filesystem::path PathFromUtf8(const std::string& text);

// A file open for writing.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual std::error_code Write(std::string_view bytes) = 0;
    // Flushes and closes; the content is complete only when this succeeds.
    virtual std::error_code Close() = 0;
};

// The file system steps of a safe write.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates a new, empty file; fails when the path exists.
    virtual std::unique_ptr<OutputFile> CreateNew(const std::filesystem::path& path,
                                                  std::error_code& error) = 0;
    // Renames a file, replacing the target.
    virtual std::error_code Replace(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// The computer's own file system.
class LocalFileSystem : public FileSystem {
public:
    std::unique_ptr<OutputFile> CreateNew(const std::filesystem::path& path,
                                          std::error_code& error) override;
    std::error_code Replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    void Remove(const std::filesystem::path& path) override;
};

// Writes bytes to a new temporary file in the target's folder and renames it over the target when
// it is complete. On any failure the temporary file is removed, the target is left as it was and
// the error is returned. A target that is marked read-only is not replaced (permission denied).
std::error_code WriteFileSafely(const std::filesystem::path& target, const std::string& bytes,
                                FileSystem& fileSystem);

// Reads a whole file into bytes. A file larger than maxBytes reads as its first maxBytes + 1
// bytes, so the caller can tell it is too large.
std::error_code ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                              std::string& bytes);

}  // namespace tidewell
