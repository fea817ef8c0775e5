// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the texts of the materials window may hold: the materials file stores each name and
// category in 50 single-byte Windows-1252 characters and the comment in 4000. The window refuses
// other text as it is typed or pasted, and the catalogue checks it again before saving.

#include <optional>
#include <string>

#include "units/UserMessages.h"

namespace tidewell {

// The text fields of the materials window.
enum class MaterialText { MainCategory, SubCategory, Name, Comment };

// The message refusing the text for the field, or nullopt when the materials file can hold it.
// The one-line fields refuse line breaks and other control characters; every field refuses a
// character the code page cannot store (naming it) and a text longer than its field (trailing
// blanks, which the file drops, not counted).
std::optional<Message> MaterialTextRefusal(MaterialText field, const std::string& utf8);

}  // namespace tidewell
