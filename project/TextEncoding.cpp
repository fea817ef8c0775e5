// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/TextEncoding.h"

#include <cstddef>

#include "materials/Windows1252.h"

namespace tidewell {

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string DecodeFileText(const std::string& bytes) {
    if (!IsValidUtf8(bytes)) return Windows1252ToUtf8(bytes);
    if (bytes.compare(0, 3, kByteOrderMark) == 0) return bytes.substr(3);
    return bytes;
}

std::string EncodeFileText(const std::string& utf8) {
    std::string singleByte;
    if (!Utf8ToWindows1252(utf8, singleByte)) return utf8;
    // Rare texts such as "Ã©" give single bytes that are themselves valid UTF-8 and
    // would read back as other characters; those files are written in UTF-8 so that they read
    // back as written.
    if (singleByte != utf8 && IsValidUtf8(singleByte)) return utf8;
    return singleByte;
}

}  // namespace tidewell
