#include "project/TextEncoding.h"

#include <cstddef>

#include "materials/Windows1252.h"

namespace tidewell {

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence at bytes[pos], or 0 when there is none.
std::size_t SequenceLength(const std::string& bytes, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
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
        return 0;
    }
    if (bytes.size() - pos < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[pos + k]);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

bool IsValidUtf8(const std::string& bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {  // each pass consumes at least one byte
        const std::size_t length = SequenceLength(bytes, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

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
