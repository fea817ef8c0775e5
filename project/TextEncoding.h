// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The character encoding of project files. Files of earlier releases are Windows-1252; the program
// works in UTF-8. A file is read as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise,
// and written in Windows-1252 whenever every character fits, so earlier releases can still read
// it; only texts the code page cannot hold make the file UTF-8.

#include <string>

#include "materials/Windows1252.h"  // IsValidUtf8

namespace tidewell {

// The UTF-8 text of a file's bytes: the bytes themselves (a leading byte-order mark dropped) when
// they are valid UTF-8, else their Windows-1252 reading.
std::string DecodeFileText(const std::string& bytes);

// The bytes to write for UTF-8 text: Windows-1252 when every character fits, else the UTF-8
// itself. Text that is not valid UTF-8 is written as it is, and so is text whose Windows-1252
// bytes would happen to form valid UTF-8 (reading them would give other characters).
std::string EncodeFileText(const std::string& utf8);

}  // namespace tidewell
