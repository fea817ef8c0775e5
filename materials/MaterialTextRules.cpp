// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/MaterialTextRules.h"

#include <cstdio>

#include "materials/MaterialsFile.h"
#include "materials/Windows1252.h"

namespace tidewell {

namespace {

struct FieldRule {
    const char* what;   // how the message names the field
    const char* title;  // the title of the field's messages
    std::size_t width;  // characters the file holds
    bool oneLine;
};

FieldRule RuleOf(MaterialText field) {
    switch (field) {
        case MaterialText::MainCategory:
            return {"Main Category", "Main Category?", kMaterialCategoryWidth, true};
        case MaterialText::SubCategory:
            return {"Sub-Category", "Sub-Category?", kMaterialCategoryWidth, true};
        case MaterialText::Name:
            return {"Material name", "Material Name?", kMaterialNameWidth, true};
        case MaterialText::Comment:
            break;
    }
    return {"Comment", "Comment?", kMaterialCommentWidth, false};
}

// C0 and C1 controls, delete, and the Unicode line and paragraph separators.
bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string CodePointName(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

}  // namespace

std::optional<Message> MaterialTextRefusal(MaterialText field, const std::string& utf8) {
    const FieldRule rule = RuleOf(field);
    const auto refuse = [&rule](const std::string& text) {
        return Message{text, rule.title, MessageIcon::Critical, MessageButtons::Ok};
    };
    std::size_t pos = 0;
    std::size_t characters = 0;
    std::size_t counted = 0;     // characters up to the last one that is not a blank
    while (pos < utf8.size()) {  // each pass consumes at least one byte or returns
        const std::size_t start = pos;
        char32_t c = 0;
        if (!NextCodePoint(utf8, pos, c)) {
            return refuse(std::string(rule.what) +
                          " holds bytes that are not text; type it again.");
        }
        if (rule.oneLine && IsControl(c)) {
            return refuse(std::string(rule.what) +
                          " cannot hold a line break or any other control character.");
        }
        if (!Windows1252Holds(c)) {
            return refuse(std::string(rule.what) + " cannot hold the character \"" +
                          utf8.substr(start, pos - start) + "\" (" + CodePointName(c) +
                          "): the materials database stores letters, digits and the usual "
                          "Western European signs only.");
        }
        ++characters;
        if (c != ' ') counted = characters;
    }
    if (counted > rule.width) {
        return refuse(std::string(rule.what) +
                      " is too long: the materials database holds at most " +
                      std::to_string(rule.width) + " characters, and this text has " +
                      std::to_string(counted) + ".");
    }
    return std::nullopt;
}

}  // namespace tidewell
