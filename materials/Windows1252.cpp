// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/Windows1252.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace tidewell {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. The undefined
// bytes map to the C1 control of the same number, which keeps the conversion reversible.
constexpr std::array<char32_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
    return byte;
}

// The byte that stores the code point, or -1 when the code page has none.
int ByteOfCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint) return static_cast<int>(0x80 + i);
    }
    return -1;
}

void AppendUtf8(char32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        // Every code point of the code page lies below 0x10000.
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// Decodes the UTF-8 sequence starting at text[pos]; advances pos. Returns false on malformed
// input (bad lead byte, missing or bad continuation, overlong form, surrogate, beyond U+10FFFF).
bool DecodeUtf8(const std::string& text, std::size_t& pos, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (pos + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    codePoint = value;
    pos += length;
    return true;
}

}  // namespace

bool NextCodePoint(const std::string& utf8, std::size_t& pos, char32_t& codePoint) {
    std::size_t next = pos;
    if (next >= utf8.size() || !DecodeUtf8(utf8, next, codePoint)) return false;
    pos = next;
    return true;
}

bool Windows1252Holds(char32_t codePoint) {
    return ByteOfCodePoint(codePoint) >= 0;
}

bool IsValidUtf8(const std::string& bytes) {
    std::size_t pos = 0;
    char32_t codePoint = 0;
    while (pos < bytes.size()) {  // each decoded sequence consumes at least one byte
        if (!DecodeUtf8(bytes, pos, codePoint)) return false;
    }
    return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) AppendUtf8(CodePointOfByte(static_cast<unsigned char>(c)), out);
    return out;
}

bool Utf8ToWindows1252(const std::string& utf8, std::string& out) {
    std::string converted;
    converted.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {  // each pass consumes at least one byte
        char32_t codePoint = 0;
        if (!DecodeUtf8(utf8, pos, codePoint)) return false;
        const int byte = ByteOfCodePoint(codePoint);
        if (byte < 0) return false;
        converted.push_back(static_cast<char>(byte));
    }
    out = std::move(converted);
    return true;
}

bool FitsWindows1252(const std::string& utf8) {
    std::string ignored;
    return Utf8ToWindows1252(utf8, ignored);
}

std::string UpperWindows1252(const std::string& bytes) {
    std::string upper = bytes;
    for (char& c : upper) {
        const auto byte = static_cast<unsigned char>(c);
        unsigned char capital = byte;
        if (byte >= 'a' && byte <= 'z') {
            capital = static_cast<unsigned char>(byte - 0x20);
        } else if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
            capital = static_cast<unsigned char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {  // š œ ž
            capital = static_cast<unsigned char>(byte - 0x10);
        } else if (byte == 0xFF) {  // ÿ
            capital = 0x9F;
        }
        c = static_cast<char>(capital);
    }
    return upper;
}

std::string UpperCaseText(const std::string& utf8) {
    std::string upper;
    upper.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {  // each pass consumes at least one byte
        const std::size_t start = pos;
        char32_t codePoint = 0;
        if (!DecodeUtf8(utf8, pos, codePoint)) {
            upper.push_back(utf8[start]);  // malformed byte: kept as it is
            pos = start + 1;
            continue;
        }
        const int byte = ByteOfCodePoint(codePoint);
        if (byte < 0) {
            upper.append(utf8, start, pos - start);
            continue;
        }
        const std::string capital = UpperWindows1252(std::string(1, static_cast<char>(byte)));
        AppendUtf8(CodePointOfByte(static_cast<unsigned char>(capital[0])), upper);
    }
    return upper;
}

}  // namespace tidewell
