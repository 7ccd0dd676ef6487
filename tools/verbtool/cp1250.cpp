#include "cp1250.h"

#include <array>

namespace {

// 0x80..0xFF; zero marks the bytes that the code page leaves undefined. Below
// 0x80 the code page is ASCII.
constexpr std::array<char32_t, 128> upperHalf = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

bool isControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

void appendHexEscape(std::string& text, unsigned char byte) {
    constexpr char digits[] = "0123456789ABCDEF";
    text += "\\x";
    text += digits[byte >> 4];
    text += digits[byte & 0x0F];
}

}  // namespace

std::optional<char32_t> cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    const char32_t codePoint = upperHalf[byte - 0x80];
    if (codePoint == 0) {
        return std::nullopt;
    }
    return codePoint;
}

std::optional<unsigned char> unicodeToCp1250(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t index = 0; index < upperHalf.size(); ++index) {
        if (upperHalf[index] == codePoint) {
            return static_cast<unsigned char>(0x80 + index);
        }
    }
    return std::nullopt;
}

bool isCp1250Capital(unsigned char byte) {
    switch (byte) {
        case 0x8A:  // Š
        case 0x8C:  // Ś
        case 0x8D:  // Ť
        case 0x8E:  // Ž
        case 0x8F:  // Ź
        case 0xA3:  // Ł
        case 0xA5:  // Ą
        case 0xAA:  // Ş
        case 0xAF:  // Ż
        case 0xBC:  // Ľ
            return true;
        case 0xD7:  // ×, among the capitals of 0xC0..0xDE
            return false;
        default:
            return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE);
    }
}

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string codePoints;
    std::size_t index = 0;
    while (index < text.size()) {
        const auto lead = static_cast<unsigned char>(text[index]);
        int length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;  // anything below is an overlong form
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            codePoint = lead & 0x1Fu;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            codePoint = lead & 0x0Fu;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            codePoint = lead & 0x07u;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (text.size() - index < static_cast<std::size_t>(length)) {
            return std::nullopt;
        }
        for (int next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[index + next]);
            if ((byte & 0xC0) != 0x80) {
                return std::nullopt;
            }
            codePoint = (codePoint << 6) | (byte & 0x3Fu);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return std::nullopt;
        }
        codePoints += codePoint;
        index += static_cast<std::size_t>(length);
    }
    return codePoints;
}

void appendUtf8(std::string& text, char32_t codePoint) {
    const auto put = [&text](char32_t bits) { text += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::string displayText(std::string_view text1250) {
    std::string text;
    for (const char character : text1250) {
        const auto byte = static_cast<unsigned char>(character);
        const std::optional<char32_t> codePoint = cp1250ToUnicode(byte);
        if (byte == '\\') {
            text += "\\\\";
        } else if (!codePoint || isControl(byte)) {
            appendHexEscape(text, byte);
        } else {
            appendUtf8(text, *codePoint);
        }
    }
    return text;
}
