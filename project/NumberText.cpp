// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace tidewell {

namespace {

// Decimal exponents written without the exponent form: 1E-04 up to (not including) 1E+15.
constexpr int kSmallestPlainExponent = -4;
constexpr int kLargestPlainExponent = 14;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The shortest significant digits of a positive finite value and the decimal exponent of the
// first digit: 0.25 gives "25" and -1.
void ShortestDigits(double magnitude, std::string& digits, int& exponent) {
    std::array<char, 64> buffer{};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                       magnitude, std::chars_format::scientific);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    // The form is d[.ddd]e±xx.
    const std::size_t e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') digits.push_back(text[i]);
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
}

std::string ExponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) text.push_back('0');
    text += std::to_string(magnitude);
    return text;
}

}  // namespace

std::string ProjectNumberText(double value) {
    if (!std::isfinite(value) || value == 0.0) return " 0";
    std::string text = value < 0 ? "-" : " ";
    std::string digits;
    int exponent = 0;
    ShortestDigits(std::fabs(value), digits, exponent);
    const int count = static_cast<int>(digits.size());
    if (exponent < kSmallestPlainExponent || exponent > kLargestPlainExponent) {
        text.push_back(digits[0]);
        if (count > 1) {
            text.push_back('.');
            text.append(digits, 1, std::string::npos);
        }
        text += ExponentText(exponent);
    } else if (exponent < 0) {
        text.push_back('.');
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else if (count <= exponent + 1) {
        text += digits;
        text.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        text.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        text.push_back('.');
        text.append(digits, static_cast<std::size_t>(exponent + 1), std::string::npos);
    }
    return text;
}

std::string VersionNumberText(double version) {
    std::array<char, 64> buffer{};
    const bool negative = version < 0;
    const double magnitude = std::isfinite(version) ? std::fabs(version) : 0.0;
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                       magnitude, std::chars_format::fixed, 2);
    std::string number(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    if (number.back() == '0') number.pop_back();  // the second decimal is optional
    return std::string(" ") + (negative ? "-" : "") + number;
}

std::optional<double> ReadNumberField(std::string_view line) {
    std::size_t begin = 0;
    while (begin < line.size() && IsBlank(line[begin])) ++begin;
    std::size_t end = begin;
    while (end < line.size() && !IsBlank(line[end]) && line[end] != ',') ++end;
    std::string_view field = line.substr(begin, end - begin);
    if (field.empty()) return 0.0;

    bool negative = false;
    if (field.front() == '+' || field.front() == '-') {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    // Check the shape first: from_chars alone would also take "inf", "nan" and hexadecimal.
    std::size_t i = 0;
    std::size_t mantissaDigits = 0;
    while (i < field.size() && IsDigit(field[i])) ++i, ++mantissaDigits;
    if (i < field.size() && field[i] == '.') {
        ++i;
        while (i < field.size() && IsDigit(field[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < field.size() && (field[i] == 'E' || field[i] == 'e')) {
        ++i;
        if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < field.size() && IsDigit(field[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != field.size()) return std::nullopt;

    double magnitude = 0.0;
    const std::from_chars_result read = std::from_chars(field.data(), field.data() + field.size(),
                                                        magnitude, std::chars_format::general);
    if (read.ptr != field.data() + field.size()) return std::nullopt;
    // Beyond the range of a double either way (too large, or a non-zero value that vanishes).
    if (read.ec != std::errc() || !std::isfinite(magnitude)) return std::nullopt;
    return negative ? -magnitude : magnitude;
}

double LeadingNumber(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    text.remove_prefix(begin);
    // Grow the prefix as long as it stays the start of a number; keep the longest complete one.
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t complete = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t exponentDigits = 0;
        while (j < text.size() && IsDigit(text[j])) ++j, ++exponentDigits;
        if (exponentDigits > 0) complete = j;
    }
    const std::optional<double> value = ReadNumberField(text.substr(0, complete));
    return value ? *value : 0.0;
}

std::optional<int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

std::optional<int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(rounded);
}

}  // namespace tidewell
