// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The materials file stores single-byte Windows-1252 text; everything else in the program is
// UTF-8. These two functions are the conversion at that boundary.

#include <cstddef>
#include <string>

namespace tidewell {

// Converts single-byte Windows-1252 text to UTF-8. Every byte converts: the five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, so any bytes read from a file give valid UTF-8.
std::string Windows1252ToUtf8(const std::string& bytes);

// Converts UTF-8 text to Windows-1252. Returns false, leaving out unchanged, when the text is not
// valid UTF-8 or holds a character the code page cannot store.
bool Utf8ToWindows1252(const std::string& utf8, std::string& out);

// True when every character of the UTF-8 text can be stored as Windows-1252.
bool FitsWindows1252(const std::string& utf8);

// Decodes the UTF-8 character starting at utf8[pos] and moves pos past it. False, leaving pos as
// it was, on a malformed sequence or at the end of the text.
bool NextCodePoint(const std::string& utf8, std::size_t& pos, char32_t& codePoint);

// True when the code page has a byte for the code point.
bool Windows1252Holds(char32_t codePoint);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF).
bool IsValidUtf8(const std::string& bytes);

// Upper-cases single-byte Windows-1252 text: the ASCII letters and the accented letters that
// have a capital in the code page (à to þ except ÷, š, œ, ž, ÿ).
std::string UpperWindows1252(const std::string& bytes);

// Upper-cases UTF-8 text the same way; characters outside the code page are left as they are.
std::string UpperCaseText(const std::string& utf8);

}  // namespace tidewell
