// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialsFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>

#include "materials/Windows1252.h"

namespace tidewell {

namespace {

// Byte offsets of the fields inside a slot; texts are blank-padded single-byte characters,
// doubles IEEE 754 and the flag a 16-bit integer, all little-endian and packed without gaps.
constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kStrengthValueOffset = 50;
constexpr std::size_t kStrengthUnitOffset = 58;
constexpr std::size_t kStrength2ValueOffset = 78;
constexpr std::size_t kStrength2UnitOffset = 86;
constexpr std::size_t kModulusValueOffset = 106;
constexpr std::size_t kModulusUnitOffset = 114;
constexpr std::size_t kDensityValueOffset = 134;
constexpr std::size_t kDensityUnitOffset = 142;
constexpr std::size_t kPoissonValueOffset = 162;
constexpr std::size_t kMainCategoryOffset = 170;
constexpr std::size_t kSubCategoryOffset = 220;
constexpr std::size_t kSpareOffset = 270;
constexpr std::size_t kCommentOffset = 320;
constexpr std::size_t kInUseOffset = 4320;
static_assert(kInUseOffset + 2 == kMaterialDataSize, "the flag ends the data of a slot");

// Slots read per pass of a scan: enough to keep a walk of a big file to few system calls, few
// enough that the buffer stays on the heap instead of being mapped (and faulted in) anew per scan.
constexpr std::size_t kSlotsPerRead = 8;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

std::string ReadError(const std::string& path, int error) {
    return "The materials file " + Quoted(path) + " could not be read: " + SystemReason(error) +
           ".";
}

std::string WriteError(const std::string& path, const std::string& reason) {
    return "The materials file " + Quoted(path) + " could not be written: " + reason +
           ". It was left as it was.";
}

void SetError(MaterialsFileStatus* status, const std::string& error) {
    if (status != nullptr) status->error = error;
}

void ClearError(MaterialsFileStatus* status) {
    if (status != nullptr) status->error.clear();
}

// --- packing -----------------------------------------------------------------------------

void PutText(std::string& slot, std::size_t offset, std::size_t width, const std::string& bytes) {
    const std::size_t used = bytes.size() < width ? bytes.size() : width;
    slot.replace(offset, used, bytes, 0, used);
    slot.replace(offset + used, width - used, width - used, ' ');
}

void PutDouble(std::string& slot, std::size_t offset, double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < 8; ++i) {
        slot[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

void PutInt16(std::string& slot, std::size_t offset, int16_t value) {
    const auto bits = static_cast<uint16_t>(value);
    slot[offset] = static_cast<char>(bits & 0xFF);
    slot[offset + 1] = static_cast<char>((bits >> 8) & 0xFF);
}

// The raw bytes of a text field with trailing blanks removed (still Windows-1252).
std::string RawText(const unsigned char* data, std::size_t offset, std::size_t width) {
    std::size_t length = width;
    while (length > 0 && data[offset + length - 1] == ' ') --length;
    return std::string(reinterpret_cast<const char*>(data + offset), length);
}

std::string GetText(const unsigned char* data, std::size_t offset, std::size_t width) {
    return Windows1252ToUtf8(RawText(data, offset, width));
}

double GetDouble(const unsigned char* data, std::size_t offset) {
    uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(data[offset + i]) << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int16_t GetInt16(const unsigned char* data, std::size_t offset) {
    const auto bits = static_cast<uint16_t>(data[offset] | (data[offset + 1] << 8));
    return static_cast<int16_t>(bits);
}

bool SlotInUse(const unsigned char* data) {
    return GetInt16(data, kInUseOffset) == kMaterialInUse;
}

MaterialRecord Unpack(const unsigned char* data) {
    MaterialRecord record;
    record.Name = GetText(data, kNameOffset, kMaterialNameWidth);
    record.StrengthValue = GetDouble(data, kStrengthValueOffset);
    record.StrengthUnit = GetText(data, kStrengthUnitOffset, kMaterialUnitWidth);
    record.Strength2Value = GetDouble(data, kStrength2ValueOffset);
    record.Strength2Unit = GetText(data, kStrength2UnitOffset, kMaterialUnitWidth);
    record.ModulusValue = GetDouble(data, kModulusValueOffset);
    record.ModulusUnit = GetText(data, kModulusUnitOffset, kMaterialUnitWidth);
    record.DensityValue = GetDouble(data, kDensityValueOffset);
    record.DensityUnit = GetText(data, kDensityUnitOffset, kMaterialUnitWidth);
    record.PoissonValue = GetDouble(data, kPoissonValueOffset);
    record.MainCategory = GetText(data, kMainCategoryOffset, kMaterialCategoryWidth);
    record.SubCategory = GetText(data, kSubCategoryOffset, kMaterialCategoryWidth);
    record.Spare = GetText(data, kSpareOffset, kMaterialCategoryWidth);
    record.Comment = GetText(data, kCommentOffset, kMaterialCommentWidth);
    record.InUse = GetInt16(data, kInUseOffset);
    return record;
}

// --- comparisons -------------------------------------------------------------------------

std::string TrimTrailingBlanks(const std::string& text) {
    std::size_t length = text.size();
    while (length > 0 && text[length - 1] == ' ') --length;
    return text.substr(0, length);
}

std::string TrimBlanks(const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ') ++begin;
    return TrimTrailingBlanks(text.substr(begin));
}

// A list entry as ListContains compares it: blanks around removed, upper-cased.
std::string ContainsKey(const std::string& text) {
    return UpperCaseText(TrimBlanks(text));
}

// A text given by the caller in the form it is compared with stored fields: Windows-1252,
// trailing blanks removed, upper-cased. A text the code page cannot hold matches nothing.
struct ComparisonKey {
    std::string bytes;
    bool valid = false;
};

ComparisonKey KeyOf(const std::string& utf8) {
    ComparisonKey key;
    std::string bytes;
    if (Utf8ToWindows1252(TrimTrailingBlanks(utf8), bytes)) {
        key.bytes = UpperWindows1252(bytes);
        key.valid = true;
    }
    return key;
}

bool FieldEquals(const unsigned char* data, std::size_t offset, std::size_t width,
                 const ComparisonKey& key) {
    if (!key.valid) return false;
    const std::string raw = RawText(data, offset, width);
    return raw.size() == key.bytes.size() && UpperWindows1252(raw) == key.bytes;
}

// --- reading -----------------------------------------------------------------------------

// Calls visit(slot, data) for every slot in order with the first kMaterialDataSize bytes of the
// slot; visit returns false to stop. False, with status set, when the file cannot be read.
bool ScanSlots(const std::string& path, MaterialsFileStatus* status,
               const std::function<bool(int, const unsigned char*)>& visit) {
    MaterialsFileStatus openStatus;
    MaterialsFileHandle handle = OpenMaterialsFile(path, openStatus);
    if (!openStatus.Ok()) {
        SetError(status, openStatus.error);
        return false;
    }
    const int count = handle.SlotCount();
    std::vector<unsigned char> buffer;
    for (int first = 1; first <= count; first += static_cast<int>(kSlotsPerRead)) {
        const int last = std::min(count, first + static_cast<int>(kSlotsPerRead) - 1);
        const auto slots = static_cast<std::size_t>(last - first + 1);
        buffer.resize(slots * kMaterialSlotSize);
        // Read the whole run of slots in one call; the last one may be partial.
        MaterialsFileStatus readStatus;
        const std::size_t runLength = (slots - 1) * kMaterialSlotSize + kMaterialDataSize;
        if (!handle.ReadSlot(first, runLength, buffer.data(), readStatus)) {
            SetError(status, readStatus.error);
            return false;
        }
        for (std::size_t i = 0; i < slots; ++i) {
            if (!visit(first + static_cast<int>(i), buffer.data() + i * kMaterialSlotSize)) {
                return true;
            }
        }
    }
    return true;
}

// First slot holding a record in use under the name, with its bytes; -1 when none.
int FindSlot(const std::string& path, const std::string& name, std::string* slotData,
             MaterialsFileStatus* status) {
    const ComparisonKey key = KeyOf(name);
    int found = -1;
    const bool read = ScanSlots(path, status, [&](int slot, const unsigned char* data) {
        if (!SlotInUse(data) || !FieldEquals(data, kNameOffset, kMaterialNameWidth, key)) {
            return true;
        }
        found = slot;
        if (slotData != nullptr) {
            slotData->assign(reinterpret_cast<const char*>(data), kMaterialDataSize);
        }
        return false;
    });
    return read ? found : -1;
}

// --- writing -----------------------------------------------------------------------------

// Closes a FILE when the scope ends unless it was closed on purpose.
struct FileCloser {
    std::FILE* file = nullptr;
    ~FileCloser() {
        if (file != nullptr) std::fclose(file);
    }
};

bool WriteAll(std::FILE* file, const char* data, std::size_t size) {
    return size == 0 || std::fwrite(data, 1, size, file) == size;
}

// Copies `length` bytes of source to target; bytes past the end of the source are written as
// zero filler.
bool CopyBytes(std::FILE* source, std::FILE* target, long long length, int& error) {
    std::vector<char> buffer(1 << 16);
    while (length > 0) {
        const std::size_t want = length < static_cast<long long>(buffer.size())
                                     ? static_cast<std::size_t>(length)
                                     : buffer.size();
        std::size_t got = 0;
        if (source != nullptr) {
            got = std::fread(buffer.data(), 1, want, source);
            if (got < want && std::ferror(source)) {
                error = errno;
                return false;
            }
        }
        std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got),
                  buffer.begin() + static_cast<std::ptrdiff_t>(want), '\0');
        if (!WriteAll(target, buffer.data(), want)) {
            error = errno;
            return false;
        }
        length -= static_cast<long long>(want);
    }
    return true;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

// Puts the finished temporary file in place of the original.
bool ReplaceWithTemporary(const std::string& temporary, const std::string& path,
                          MaterialsFileStatus* status) {
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        SetError(status, WriteError(path, error.message()));
        return false;
    }
    return true;
}

// Finishes writing the temporary file: flush, check and close.
bool CloseTemporary(FileCloser& target, const std::string& temporary, const std::string& path,
                    MaterialsFileStatus* status) {
    const bool flushed = std::fflush(target.file) == 0 && !std::ferror(target.file);
    const int flushError = errno;
    const bool closed = std::fclose(target.file) == 0;
    const int closeError = errno;
    target.file = nullptr;
    if (!flushed || !closed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        SetError(status, WriteError(path, SystemReason(!flushed ? flushError : closeError)));
        return false;
    }
    return true;
}

// Writes a copy of the file with slot n replaced by slotBytes (a full slot), then puts the copy
// in place of the original. Slots beyond the end of the file are filled with zero filler.
bool ReplaceSlot(const std::string& path, int slot, const std::string& slotBytes,
                 MaterialsFileStatus* status) {
    FileCloser source{std::fopen(path.c_str(), "rb")};
    if (source.file == nullptr && errno != ENOENT) {
        // An existing file that cannot be read must not be replaced by a file of one record.
        SetError(status, ReadError(path, errno));
        return false;
    }
    long long sourceLength = 0;
    if (source.file != nullptr) {
        if (std::fseek(source.file, 0, SEEK_END) != 0) {
            SetError(status, ReadError(path, errno));
            return false;
        }
        sourceLength = std::ftell(source.file);
        std::rewind(source.file);
    }
    const std::string temporary = TemporaryPathFor(path);
    FileCloser target{std::fopen(temporary.c_str(), "wb")};
    if (target.file == nullptr) {
        SetError(status, WriteError(path, SystemReason(errno)));
        return false;
    }
    const long long slotStart = static_cast<long long>(slot - 1) * kMaterialSlotSize;
    const long long slotEnd = slotStart + static_cast<long long>(kMaterialSlotSize);
    int error = 0;
    bool written = CopyBytes(source.file, target.file, slotStart, error);
    if (written && !WriteAll(target.file, slotBytes.data(), slotBytes.size())) {
        error = errno;
        written = false;
    }
    if (written && sourceLength > slotEnd) {
        if (std::fseek(source.file, static_cast<long>(slotEnd), SEEK_SET) != 0) {
            error = errno;
            written = false;
        } else {
            written = CopyBytes(source.file, target.file, sourceLength - slotEnd, error);
        }
    }
    if (!written) {
        std::fclose(target.file);
        target.file = nullptr;
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        SetError(status, WriteError(path, SystemReason(error)));
        return false;
    }
    std::fclose(source.file);
    source.file = nullptr;
    if (!CloseTemporary(target, temporary, path, status)) return false;
    return ReplaceWithTemporary(temporary, path, status);
}

std::string CannotStoreText(const MaterialRecord& record) {
    return "The material " + Quoted(record.Name) +
           " holds characters that the materials file cannot store.";
}

}  // namespace

// --- handle ------------------------------------------------------------------------------

MaterialsFileHandle::~MaterialsFileHandle() {
    CloseMaterialsFile(*this);
}

MaterialsFileHandle::MaterialsFileHandle(MaterialsFileHandle&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      missing_(std::exchange(other.missing_, false)),
      path_(std::move(other.path_)),
      length_(std::exchange(other.length_, 0)),
      slotCount_(std::exchange(other.slotCount_, 0)) {}

MaterialsFileHandle& MaterialsFileHandle::operator=(MaterialsFileHandle&& other) noexcept {
    if (this != &other) {
        CloseMaterialsFile(*this);
        file_ = std::exchange(other.file_, nullptr);
        missing_ = std::exchange(other.missing_, false);
        path_ = std::move(other.path_);
        length_ = std::exchange(other.length_, 0);
        slotCount_ = std::exchange(other.slotCount_, 0);
    }
    return *this;
}

bool MaterialsFileHandle::ReadSlot(int slot, std::size_t length, unsigned char* buffer,
                                   MaterialsFileStatus& status) {
    const long long start = static_cast<long long>(slot - 1) * kMaterialSlotSize;
    std::size_t got = 0;
    if (file_ != nullptr && start < length_) {  // a missing file reads as zeros
        if (std::fseek(file_, static_cast<long>(start), SEEK_SET) != 0) {
            status.error = ReadError(path_, errno);
            return false;
        }
        got = std::fread(buffer, 1, length, file_);
        if (got < length && std::ferror(file_)) {
            status.error = ReadError(path_, errno);
            std::clearerr(file_);
            return false;
        }
    }
    if (got < length) std::memset(buffer + got, 0, length - got);
    return true;
}

long long SlotCountForLength(long long length) {
    if (length <= 0) return 0;
    const auto size = static_cast<long long>(kMaterialSlotSize);
    long long count = length / size;
    const long long remainder = length % size;
    if (2 * remainder > size || (2 * remainder == size && count % 2 == 1)) ++count;
    return count;
}

MaterialsFileHandle OpenMaterialsFile(const std::string& path, MaterialsFileStatus& status) {
    status.error.clear();
    MaterialsFileHandle handle;
    handle.path_ = path;
    std::error_code kindError;
    if (std::filesystem::is_directory(path, kindError)) {
        status.error =
            "The materials file " + Quoted(path) + " could not be opened: it is a folder.";
        return MaterialsFileHandle();
    }
    handle.file_ = std::fopen(path.c_str(), "rb");
    if (handle.file_ == nullptr) {
        const int openError = errno;
        if (openError != ENOENT) {
            status.error = "The materials file " + Quoted(path) +
                           " could not be opened: " + SystemReason(openError) + ".";
            return MaterialsFileHandle();
        }
        // A missing file is created empty; where that is not allowed it still reads as empty.
        if (std::FILE* created = std::fopen(path.c_str(), "ab")) std::fclose(created);
        handle.missing_ = true;
        return handle;
    }
    std::setvbuf(handle.file_, nullptr, _IONBF, 0);  // scans read large runs themselves
    if (std::fseek(handle.file_, 0, SEEK_END) != 0) {
        status.error = ReadError(path, errno);
        return MaterialsFileHandle();
    }
    handle.length_ = std::ftell(handle.file_);
    if (handle.length_ < 0) {
        status.error = ReadError(path, errno);
        return MaterialsFileHandle();
    }
    const long long count = SlotCountForLength(handle.length_);
    if (count > kMaxMaterialSlots) {
        status.error = "The materials file " + Quoted(path) + " holds more than " +
                       std::to_string(kMaxMaterialSlots) + " records and cannot be used.";
        return MaterialsFileHandle();
    }
    handle.slotCount_ = static_cast<int>(count);
    return handle;
}

void CloseMaterialsFile(MaterialsFileHandle& handle) {
    if (handle.file_ != nullptr) std::fclose(handle.file_);
    handle.file_ = nullptr;
    handle.missing_ = false;
    handle.length_ = 0;
    handle.slotCount_ = 0;
}

// --- packing -----------------------------------------------------------------------------

bool PackMaterialRecord(const MaterialRecord& record, std::string& slotBytes) {
    std::string slot(kMaterialSlotSize, '\0');
    const std::pair<const std::string*, std::pair<std::size_t, std::size_t>> texts[] = {
        {&record.Name, {kNameOffset, kMaterialNameWidth}},
        {&record.StrengthUnit, {kStrengthUnitOffset, kMaterialUnitWidth}},
        {&record.Strength2Unit, {kStrength2UnitOffset, kMaterialUnitWidth}},
        {&record.ModulusUnit, {kModulusUnitOffset, kMaterialUnitWidth}},
        {&record.DensityUnit, {kDensityUnitOffset, kMaterialUnitWidth}},
        {&record.MainCategory, {kMainCategoryOffset, kMaterialCategoryWidth}},
        {&record.SubCategory, {kSubCategoryOffset, kMaterialCategoryWidth}},
        {&record.Spare, {kSpareOffset, kMaterialCategoryWidth}},
        {&record.Comment, {kCommentOffset, kMaterialCommentWidth}},
    };
    for (const auto& [text, place] : texts) {
        std::string bytes;
        if (!Utf8ToWindows1252(*text, bytes)) return false;
        PutText(slot, place.first, place.second, bytes);
    }
    PutDouble(slot, kStrengthValueOffset, record.StrengthValue);
    PutDouble(slot, kStrength2ValueOffset, record.Strength2Value);
    PutDouble(slot, kModulusValueOffset, record.ModulusValue);
    PutDouble(slot, kDensityValueOffset, record.DensityValue);
    PutDouble(slot, kPoissonValueOffset, record.PoissonValue);
    PutInt16(slot, kInUseOffset, record.InUse);
    slotBytes = std::move(slot);
    return true;
}

MaterialRecord UnpackMaterialRecord(const std::string& slotBytes) {
    std::vector<unsigned char> data(kMaterialDataSize, 0);
    const std::size_t length = std::min(slotBytes.size(), kMaterialDataSize);
    std::memcpy(data.data(), slotBytes.data(), length);
    return Unpack(data.data());
}

// --- operations --------------------------------------------------------------------------

int FindMaterial(const std::string& path, const std::string& name, MaterialsFileStatus* status) {
    ClearError(status);
    return FindSlot(path, name, nullptr, status);
}

int FirstFreeSlot(MaterialsFileHandle& handle, MaterialsFileStatus* status) {
    ClearError(status);
    const int count = handle.SlotCount();
    unsigned char flag[kMaterialDataSize];
    for (int slot = 1; slot <= count; ++slot) {
        MaterialsFileStatus readStatus;
        if (!handle.ReadSlot(slot, kMaterialDataSize, flag, readStatus)) {
            SetError(status, readStatus.error);
            return -1;
        }
        if (!SlotInUse(flag)) return slot;
    }
    return count + 1;
}

MaterialRecord ReadMaterial(const std::string& path, const std::string& name,
                            MaterialsFileStatus* status) {
    ClearError(status);
    std::string data;
    if (FindSlot(path, name, &data, status) < 0) return MaterialRecord();
    return UnpackMaterialRecord(data);
}

bool AddMaterial(const std::string& path, const MaterialRecord& record,
                 MaterialsFileStatus* status) {
    ClearError(status);
    std::string slotBytes;
    if (!PackMaterialRecord(record, slotBytes)) {
        SetError(status, CannotStoreText(record));
        return false;
    }
    MaterialsFileStatus openStatus;
    MaterialsFileHandle handle = OpenMaterialsFile(path, openStatus);
    if (!openStatus.Ok()) {
        SetError(status, openStatus.error);
        return false;
    }
    MaterialsFileStatus findStatus;
    const int existing = FindMaterial(path, record.Name, &findStatus);
    if (!findStatus.Ok()) {
        SetError(status, findStatus.error);
        return false;
    }
    if (existing > 0) return false;
    const int slot = FirstFreeSlot(handle, status);
    CloseMaterialsFile(handle);
    if (slot < 0) return false;
    if (slot > kMaxMaterialSlots) {
        SetError(status, "The materials file " + Quoted(path) + " is full: it holds " +
                             std::to_string(kMaxMaterialSlots) + " records.");
        return false;
    }
    return ReplaceSlot(path, slot, slotBytes, status);
}

bool UpdateMaterial(const std::string& path, const MaterialRecord& record,
                    MaterialsFileStatus* status) {
    ClearError(status);
    std::string slotBytes;
    if (!PackMaterialRecord(record, slotBytes)) {
        SetError(status, CannotStoreText(record));
        return false;
    }
    const int slot = FindSlot(path, record.Name, nullptr, status);
    if (slot < 0) return false;
    return ReplaceSlot(path, slot, slotBytes, status);
}

bool DeleteMaterial(const std::string& path, const std::string& name, MaterialsFileStatus* status) {
    ClearError(status);
    std::string data;
    const int slot = FindSlot(path, name, &data, status);
    if (slot < 0) return false;
    // Only the flag changes; the rest of the slot is written back as it was read.
    std::string slotBytes(kMaterialSlotSize, '\0');
    slotBytes.replace(0, data.size(), data);
    PutInt16(slotBytes, kInUseOffset, kMaterialFree);
    return ReplaceSlot(path, slot, slotBytes, status);
}

NameList ListSubCategories(const std::string& path, const std::string& mainCategory,
                           MaterialsFileStatus* status) {
    ClearError(status);
    const bool everyRecord = mainCategory == kAllSubCategories;
    const ComparisonKey key = KeyOf(mainCategory);
    NameList list;
    std::vector<std::string> listKeys;  // the entries as ListContains compares them
    const bool read = ScanSlots(path, status, [&](int, const unsigned char* data) {
        if (!SlotInUse(data)) return true;
        if (!everyRecord && !FieldEquals(data, kMainCategoryOffset, kMaterialCategoryWidth, key)) {
            return true;
        }
        std::string subCategory = GetText(data, kSubCategoryOffset, kMaterialCategoryWidth);
        std::string subKey = ContainsKey(subCategory);
        if (std::find(listKeys.begin(), listKeys.end(), subKey) == listKeys.end()) {
            listKeys.push_back(std::move(subKey));
            list.push_back(std::move(subCategory));
        }
        return true;
    });
    return read ? list : NameList();
}

NameList ListMaterialNames(const std::string& path, const std::string& mainCategory,
                           const std::string& subCategory, MaterialsFileStatus* status) {
    ClearError(status);
    const bool anyMain = mainCategory == kAllNames;
    const bool anySub = subCategory == kAllNames;
    const ComparisonKey mainKey = KeyOf(mainCategory);
    const ComparisonKey subKey = KeyOf(subCategory);
    NameList list;
    const bool read = ScanSlots(path, status, [&](int, const unsigned char* data) {
        if (!SlotInUse(data)) return true;
        const bool mainEquals =
            FieldEquals(data, kMainCategoryOffset, kMaterialCategoryWidth, mainKey);
        const bool subEquals =
            FieldEquals(data, kSubCategoryOffset, kMaterialCategoryWidth, subKey);
        // One entry per condition that holds; with well-formed data exactly one does.
        const int matches =
            static_cast<int>(anyMain && anySub) + static_cast<int>(anyMain && subEquals) +
            static_cast<int>(mainEquals && anySub) + static_cast<int>(mainEquals && subEquals);
        if (matches > 0) {
            const std::string name = GetText(data, kNameOffset, kMaterialNameWidth);
            for (int i = 0; i < matches; ++i) list.push_back(name);
        }
        return true;
    });
    return read ? list : NameList();
}

bool ListContains(const NameList& list, const std::string& text) {
    const std::string key = ContainsKey(text);
    for (const std::string& entry : list) {
        if (ContainsKey(entry) == key) return true;
    }
    return false;
}

bool WriteMaterialsFile(const std::string& path, const std::vector<MaterialRecord>& records,
                        MaterialsFileStatus* status) {
    ClearError(status);
    if (records.size() > static_cast<std::size_t>(kMaxMaterialSlots)) {
        SetError(status, "A materials file holds at most " + std::to_string(kMaxMaterialSlots) +
                             " records.");
        return false;
    }
    std::vector<std::string> slots(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!PackMaterialRecord(records[i], slots[i])) {
            SetError(status, CannotStoreText(records[i]));
            return false;
        }
    }
    const std::string temporary = TemporaryPathFor(path);
    FileCloser target{std::fopen(temporary.c_str(), "wb")};
    if (target.file == nullptr) {
        SetError(status, WriteError(path, SystemReason(errno)));
        return false;
    }
    for (const std::string& slot : slots) {
        if (!WriteAll(target.file, slot.data(), slot.size())) {
            const int error = errno;
            std::fclose(target.file);
            target.file = nullptr;
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            SetError(status, WriteError(path, SystemReason(error)));
            return false;
        }
    }
    if (!CloseTemporary(target, temporary, path, status)) return false;
    return ReplaceWithTemporary(temporary, path, status);
}

}  // namespace tidewell
