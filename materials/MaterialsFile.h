// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The materials file: fixed 8604-byte slots without a header, each holding one packed
// little-endian MaterialRecord and an in-use flag. Every operation names the file by its path,
// opens it, does its work and closes it again. Changes are written to a temporary file beside the
// original, which replaces it only when complete. No operation talks to the user: problems of the
// file system come back in a MaterialsFileStatus for the caller to show.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "materials/MaterialRecord.h"

namespace tidewell {

// Name of the materials file in the program's folder.
inline constexpr const char* kMaterialsFileName = "DesMat.Dat";

inline constexpr std::size_t kMaterialSlotSize = 8604;  // bytes per slot
inline constexpr std::size_t kMaterialDataSize = 4322;  // bytes of a slot that carry data
inline constexpr int kMaxMaterialSlots = 32767;         // slot numbers are 16-bit

// Field widths of the text fields on disk, in bytes (one byte per character).
inline constexpr std::size_t kMaterialNameWidth = 50;
inline constexpr std::size_t kMaterialUnitWidth = 20;
inline constexpr std::size_t kMaterialCategoryWidth = 50;
inline constexpr std::size_t kMaterialCommentWidth = 4000;

// Wildcards: the sub-category lister takes "ALL", the name lister "All", each compared as is.
inline constexpr const char* kAllSubCategories = "ALL";
inline constexpr const char* kAllNames = "All";

// The outcome of an operation on the file: an empty error means it went well.
struct MaterialsFileStatus {
    std::string error;  // a sentence the caller can show the user
    bool Ok() const { return error.empty(); }
};

using NameList = std::vector<std::string>;

// An open materials file, read-only; closed when destroyed or by CloseMaterialsFile.
class MaterialsFileHandle {
public:
    MaterialsFileHandle() = default;
    ~MaterialsFileHandle();
    MaterialsFileHandle(const MaterialsFileHandle&) = delete;
    MaterialsFileHandle& operator=(const MaterialsFileHandle&) = delete;
    MaterialsFileHandle(MaterialsFileHandle&& other) noexcept;
    MaterialsFileHandle& operator=(MaterialsFileHandle&& other) noexcept;

    bool IsOpen() const { return file_ != nullptr || missing_; }
    const std::string& Path() const { return path_; }

    // Number of slots: the file length divided by the slot size, rounded to the nearest whole
    // number (a half to the even neighbour). 0 for a missing or empty file.
    int SlotCount() const { return slotCount_; }

    // Reads the first `length` bytes of slot n (1-based) into buffer; bytes beyond the end of the
    // file read as zero. False, with status set, when the file system reports an error.
    bool ReadSlot(int slot, std::size_t length, unsigned char* buffer, MaterialsFileStatus& status);

private:
    friend MaterialsFileHandle OpenMaterialsFile(const std::string& path,
                                                 MaterialsFileStatus& status);
    friend void CloseMaterialsFile(MaterialsFileHandle& handle);

    std::FILE* file_ = nullptr;
    bool missing_ = false;  // the file does not exist and could not be created: it reads as empty
    std::string path_;
    long long length_ = 0;
    int slotCount_ = 0;
};

// Opens the materials file at path for reading. A missing file is created empty (when its folder
// allows it) and reads as a file of no slots. On failure the handle is closed and status says why;
// a file of more than 32767 slots is refused.
MaterialsFileHandle OpenMaterialsFile(const std::string& path, MaterialsFileStatus& status);

void CloseMaterialsFile(MaterialsFileHandle& handle);

// Slot number of the first record in use whose name equals `name` after removing trailing blanks
// and upper-casing both (leading blanks count); -1 when there is none or the file cannot be read.
int FindMaterial(const std::string& path, const std::string& name,
                 MaterialsFileStatus* status = nullptr);

// First slot of the open file whose InUse is not -1; the slot count + 1 when all are in use.
// -1 when the file cannot be read.
int FirstFreeSlot(MaterialsFileHandle& handle, MaterialsFileStatus* status = nullptr);

// The named record, texts trimmed of trailing blanks; a record with InUse 0 when not found.
MaterialRecord ReadMaterial(const std::string& path, const std::string& name,
                            MaterialsFileStatus* status = nullptr);

// Writes the record into the first free slot unless a record of the same name is in use.
// False when the name exists, the text cannot be stored, or the file cannot be written.
bool AddMaterial(const std::string& path, const MaterialRecord& record,
                 MaterialsFileStatus* status = nullptr);

// Overwrites the record found by record.Name, with the record's own InUse. False when no record
// of that name is in use or the file cannot be written.
bool UpdateMaterial(const std::string& path, const MaterialRecord& record,
                    MaterialsFileStatus* status = nullptr);

// Marks the named record free; its data stay until the slot is reused. False when not found.
bool DeleteMaterial(const std::string& path, const std::string& name,
                    MaterialsFileStatus* status = nullptr);

// Distinct sub-categories, in file order, of the records in use of the main category (compared
// trimmed and upper-cased), or of every record in use when mainCategory is exactly "ALL".
NameList ListSubCategories(const std::string& path, const std::string& mainCategory,
                           MaterialsFileStatus* status = nullptr);

// Names of the records in use that match the main category and sub-category, in file order;
// "All" (exactly) in either place matches any value.
NameList ListMaterialNames(const std::string& path, const std::string& mainCategory,
                           const std::string& subCategory, MaterialsFileStatus* status = nullptr);

// True when an entry, trimmed and upper-cased, equals text trimmed and upper-cased.
bool ListContains(const NameList& list, const std::string& text);

// Writes a whole new file holding the records in slots 1, 2, ... (replacing any file at path).
// Used to build a database in one pass; no duplicate check.
bool WriteMaterialsFile(const std::string& path, const std::vector<MaterialRecord>& records,
                        MaterialsFileStatus* status = nullptr);

// The packed bytes of a slot (kMaterialSlotSize long, filler zero). False when a text holds a
// character Windows-1252 cannot store; texts longer than their field are cut.
bool PackMaterialRecord(const MaterialRecord& record, std::string& slotBytes);

// The record held by the first bytes of a slot (missing bytes read as zero).
MaterialRecord UnpackMaterialRecord(const std::string& slotBytes);

// Slot count of a file of the given length in bytes (nearest whole number, half to even).
long long SlotCountForLength(long long length);

}  // namespace tidewell
