// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number formatter and the two number readers.
//
// Both directions work on decimal digit strings produced and read by std::to_chars and
// std::from_chars: they are exact, fast and independent of the process locale (the desktop
// program sets the C locale from the user's environment, which would turn the decimal point of
// printf and strtod into a comma for many users).

#include "units/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <system_error>

namespace tidewell {
namespace {

constexpr int kMaxSignificantDigits = 12;

// Digits kept from the binary value before rounding: 15 significant digits is the decimal a user
// would have typed for it, so 2.675 rounds as 2.675 and not as the binary 2.67499999999999982...
constexpr int kWrittenDigits = 15;

// A positive finite value written as d.dddd × 10^exponent: digits[0] is the digit before the
// decimal point.
struct DecimalForm {
    std::array<char, kWrittenDigits> digits{};
    int exponent = 0;
};

DecimalForm WriteWithFifteenDigits(double magnitude) {
    // "d.dddddddddddddde±XXX" needs at most 1 + 1 + 14 + 1 + 1 + 3 characters.
    std::array<char, 32> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), magnitude,
                      std::chars_format::scientific, kWrittenDigits - 1);
    DecimalForm form;
    const char* p = text.data();
    form.digits[0] = *p++;
    ++p;  // the decimal point
    for (int i = 1; i < kWrittenDigits; ++i) form.digits[static_cast<std::size_t>(i)] = *p++;
    ++p;  // the exponent letter
    // The whole exponent after the letter, sign included: three-digit exponents are common
    // at both ends of the range.
    const bool negativeExponent = (*p == '-');
    ++p;
    int exponent = 0;
    for (; p < written.ptr; ++p) exponent = exponent * 10 + (*p - '0');
    form.exponent = negativeExponent ? -exponent : exponent;
    return form;
}

// Rounds the fifteen written digits to n (2..12) half away from zero. A mantissa that rounds up
// to 10 becomes 1.0...0 of the next exponent.
void RoundToDigits(DecimalForm& form, int n) {
    if (form.digits[static_cast<std::size_t>(n)] < '5') return;
    int i = n - 1;
    while (i >= 0) {
        char& digit = form.digits[static_cast<std::size_t>(i)];
        if (digit != '9') {
            ++digit;
            return;
        }
        digit = '0';
        --i;
    }
    form.digits[0] = '1';
    ++form.exponent;
}

std::string ScientificText(const DecimalForm& form, int n) {
    std::string text;
    text.reserve(static_cast<std::size_t>(n) + 8);
    text.push_back(form.digits[0]);
    text.push_back('.');
    text.append(form.digits.data() + 1, static_cast<std::size_t>(n - 1));
    text.push_back('E');
    text.push_back(form.exponent < 0 ? '-' : '+');
    const int magnitude = form.exponent < 0 ? -form.exponent : form.exponent;
    if (magnitude < 10) text.push_back('0');
    std::array<char, 8> exponentDigits{};
    const std::to_chars_result written = std::to_chars(
        exponentDigits.data(), exponentDigits.data() + exponentDigits.size(), magnitude);
    text.append(exponentDigits.data(), written.ptr);
    return text;
}

// Fixed notation always shows the n significant digits: the integer for E >= n - 1, the
// separator inside the digits for 0 <= E < n - 1, and "0." with -E - 1 zeros before them for
// E < 0.
std::string FixedText(const DecimalForm& form, int n) {
    const int e = form.exponent;
    const char* digits = form.digits.data();
    const std::size_t count = static_cast<std::size_t>(n);
    std::string text;
    if (e >= n - 1) {
        text.reserve(static_cast<std::size_t>(e) + 1);
        text.append(digits, count);
        text.append(static_cast<std::size_t>(e - n + 1), '0');
    } else if (e >= 0) {
        text.reserve(count + 1);
        text.append(digits, static_cast<std::size_t>(e + 1));
        text.push_back('.');
        text.append(digits + e + 1, static_cast<std::size_t>(n - e - 1));
    } else {
        text.reserve(count + static_cast<std::size_t>(-e) + 1);
        text.append("0.");
        text.append(static_cast<std::size_t>(-e - 1), '0');
        text.append(digits, count);
    }
    return text;
}

bool IsBlank(char c) {
    return c == ' ';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Steps 1 to 4 of reading a typed number: trim, cut at the first blank, cut before a second ".".
std::string_view CutTypedText(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && IsBlank(text[last - 1])) --last;
    std::string_view cut = text.substr(first, last - first);
    for (std::size_t i = 0; i < cut.size(); ++i) {
        if (IsBlank(cut[i])) {
            cut = cut.substr(0, i);
            break;
        }
    }
    const std::size_t firstPoint = cut.find('.');
    if (firstPoint != std::string_view::npos) {
        const std::size_t secondPoint = cut.find('.', firstPoint + 1);
        if (secondPoint != std::string_view::npos) cut = cut.substr(0, secondPoint);
    }
    return cut;
}

// Reads the cut text as  [sign] integer-part [. fraction] [(E|e) [sign] digits]  where the
// integer part is plain digits or digit groups "1,234,567" (one to three digits, then groups of
// exactly three after each ","), and at least one digit stands before the exponent. Anything else
// (a "," elsewhere, "inf", "nan", "0x1p3", a lone sign or point, a bare exponent letter) is
// unreadable, as is a value beyond the range of a double. The three-digit rule keeps a decimal
// comma ("1,5") from being read silently as fifteen.
bool ReadNumber(std::string_view text, double& value) {
    std::string plain;  // the number without sign, grouping or "+" for from_chars
    plain.reserve(text.size());
    std::size_t i = 0;
    const std::size_t size = text.size();
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = (text[i] == '-');
        ++i;
    }

    // Integer part, with optional grouping.
    std::size_t groupDigits = 0;  // digits since the start or the last ","
    bool grouped = false;
    std::size_t mantissaDigits = 0;
    bool nonZeroDigit = false;
    while (i < size && (IsDigit(text[i]) || text[i] == ',')) {
        if (text[i] == ',') {
            // A "," needs one to three digits before it (the first group) or exactly three.
            if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3)) return false;
            grouped = true;
            groupDigits = 0;
        } else {
            plain.push_back(text[i]);
            nonZeroDigit = nonZeroDigit || text[i] != '0';
            ++groupDigits;
            ++mantissaDigits;
        }
        ++i;
    }
    if (grouped && groupDigits != 3) return false;

    if (i < size && text[i] == '.') {
        plain.push_back('.');
        ++i;
        while (i < size && IsDigit(text[i])) {
            plain.push_back(text[i]);
            nonZeroDigit = nonZeroDigit || text[i] != '0';
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0) return false;

    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-') plain.push_back('-');
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < size && IsDigit(text[i])) {
            plain.push_back(text[i]);
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0) return false;
    }
    if (i != size) return false;

    double magnitude = 0.0;
    const char* begin = plain.data();
    const char* end = begin + plain.size();
    const std::from_chars_result read =
        std::from_chars(begin, end, magnitude, std::chars_format::general);
    if (read.ec != std::errc() || read.ptr != end) return false;
    // Out of range either way: too large for a double, or a non-zero number that vanishes.
    if (!std::isfinite(magnitude) || (magnitude == 0.0 && nonZeroDigit)) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

void ShowUnreadable(std::string_view cut, UserMessages& messages) {
    std::string text = "Can't parse ";
    text.append(cut);
    text.push_back('.');
    messages.Show(text, kProgramTitle, MessageIcon::Exclamation, MessageButtons::Ok);
}

// Scale of an engineering prefix letter; 1 for any other character. Case matters: "m" is milli,
// "M" mega.
double PrefixScale(char letter) {
    switch (letter) {
        case 'f':
            return 1e-15;
        case 'p':
            return 1e-12;
        case 'n':
            return 1e-9;
        case 'u':
            return 1e-6;
        case 'm':
            return 1e-3;
        case 'c':
            return 1e-2;
        case 'k':
        case 'K':
            return 1e3;
        case 'M':
            return 1e6;
        case 'G':
            return 1e9;
        case 'T':
            return 1e12;
        default:
            return 1.0;
    }
}

bool IsSkippedBeforePrefix(char c) {
    return IsDigit(c) || c == '+' || c == '-' || c == 'e' || c == 'E' || c == '.' || c == ' ' ||
           c == ',';
}

}  // namespace

std::string SigDigFormat(double value, int16_t& significantDigits, int16_t& numericFormat) {
    if (numericFormat != kScientificNotation && numericFormat != kFixedNotation) {
        numericFormat = kFixedNotation;
    }
    if (significantDigits < 2) significantDigits = 2;
    const int n = significantDigits;

    // Negative zero compares equal to zero and is shown as zero, without a sign.
    if (value == 0.0) {
        std::string zero = "0.";
        zero.append(static_cast<std::size_t>(n - 1), '0');
        return zero;
    }
    if (n > kMaxSignificantDigits) return "ERROR";
    // A NaN or an infinity is never shown as a number.
    if (!std::isfinite(value)) return "ERROR";

    const bool negative = value < 0.0;
    DecimalForm form = WriteWithFifteenDigits(std::fabs(value));
    RoundToDigits(form, n);
    std::string text =
        numericFormat == kScientificNotation ? ScientificText(form, n) : FixedText(form, n);
    if (negative) text.insert(text.begin(), '-');
    return text;
}

double ParseNumber(const std::string& text, UserMessages& messages) {
    const std::string_view cut = CutTypedText(text);
    if (cut.empty()) {
        // An empty or all-blank entry reads as 0 without a word.
        return 0.0;
    }
    double value = 0.0;
    if (!ReadNumber(cut, value)) {
        ShowUnreadable(cut, messages);
        return 0.0;
    }
    return value;
}

double EngValue(const std::string& text, UserMessages& messages) {
    double scale = 1.0;
    for (const char c : text) {
        if (IsSkippedBeforePrefix(c)) continue;
        scale = PrefixScale(c);
        break;
    }
    const double value = ParseNumber(text, messages) * scale;
    if (!std::isfinite(value)) {
        // "1e300 T": the number is readable, its scaled value is not a double.
        std::string_view trimmed = text;
        while (!trimmed.empty() && IsBlank(trimmed.front())) trimmed.remove_prefix(1);
        while (!trimmed.empty() && IsBlank(trimmed.back())) trimmed.remove_suffix(1);
        ShowUnreadable(trimmed, messages);
        return 0.0;
    }
    return value;
}

}  // namespace tidewell
