// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/FileAccess.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <random>

namespace tidewell {

namespace {

// Bytes handed to the file per write call.
constexpr std::size_t kWriteChunk = 4096;
// Attempts at a temporary name that is not taken yet.
constexpr int kTemporaryNameAttempts = 100;

// The error the last failed stream operation left, or fallback when the library left none.
std::error_code LastError(std::errc fallback) {
    const int number = errno;
    if (number != 0) return std::error_code(number, std::generic_category());
    return std::make_error_code(fallback);
}

class LocalOutputFile : public OutputFile {
public:
    explicit LocalOutputFile(std::ofstream stream) : stream_(std::move(stream)) {}

    std::error_code Write(std::string_view bytes) override {
        errno = 0;
        stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!stream_) return LastError(std::errc::io_error);
        return {};
    }

    std::error_code Close() override {
        errno = 0;
        stream_.flush();
        if (!stream_) return LastError(std::errc::io_error);
        stream_.close();
        if (stream_.fail()) return LastError(std::errc::io_error);
        return {};
    }

private:
    std::ofstream stream_;
};

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target, unsigned number) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix = ".";
    for (int shift = 28; shift >= 0; shift -= 4) suffix.push_back(kHex[(number >> shift) & 0xF]);
    suffix += ".tmp";
    std::filesystem::path name = target;
    name += suffix;
    return name;
}

}  // namespace

std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::u8path(text);
}

std::unique_ptr<OutputFile> LocalFileSystem::CreateNew(const std::filesystem::path& path,
                                                       std::error_code& error) {
    error.clear();
    std::error_code statusError;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, statusError))) {
        error = std::make_error_code(std::errc::file_exists);
        return nullptr;
    }
    errno = 0;
    std::ofstream stream(path, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!stream) {
        error = LastError(std::errc::io_error);
        return nullptr;
    }
    return std::make_unique<LocalOutputFile>(std::move(stream));
}

std::error_code LocalFileSystem::Replace(const std::filesystem::path& from,
                                         const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return error;
}

void LocalFileSystem::Remove(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

std::error_code WriteFileSafely(const std::filesystem::path& target, const std::string& bytes,
                                FileSystem& fileSystem) {
    std::error_code error;
    const std::filesystem::file_status targetStatus = std::filesystem::status(target, error);
    if (std::filesystem::is_directory(targetStatus)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if (std::filesystem::exists(targetStatus) &&
        (targetStatus.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none) {
        return std::make_error_code(std::errc::permission_denied);
    }

    std::random_device seed;
    std::mt19937 generator(seed());
    std::filesystem::path temporary;
    std::unique_ptr<OutputFile> file;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && !file; ++attempt) {
        temporary = TemporaryNameFor(target, static_cast<unsigned>(generator()));
        file = fileSystem.CreateNew(temporary, error);
        if (!file && error != std::errc::file_exists) return error;
    }
    if (!file) return error;

    for (std::size_t at = 0; at < bytes.size(); at += kWriteChunk) {
        error = file->Write(std::string_view(bytes).substr(at, kWriteChunk));
        if (error) break;
    }
    const std::error_code closeError = file->Close();
    if (!error) error = closeError;
    file.reset();
    if (!error) error = fileSystem.Replace(temporary, target);
    if (error) fileSystem.Remove(temporary);
    return error;
}

std::error_code ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                              std::string& bytes) {
    bytes.clear();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return error ? error : std::make_error_code(std::errc::no_such_file_or_directory);
    }
    if (std::filesystem::is_directory(status)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream) return LastError(std::errc::io_error);
    std::array<char, kWriteChunk> buffer{};
    while (bytes.size() <= maxBytes) {  // bounded by maxBytes + one chunk
        stream.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = stream.gcount();
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
        if (!stream) break;
    }
    if (stream.bad()) return LastError(std::errc::io_error);
    if (bytes.size() > maxBytes + 1) bytes.resize(maxBytes + 1);
    return {};
}

}  // namespace tidewell
