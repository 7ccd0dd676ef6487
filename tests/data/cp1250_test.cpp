#include "cp1250.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>

namespace {

// The C library's own Windows-1250 converter, as an independent reference:
// the UTF-8 of one byte, or none when the converter refuses it.
std::optional<std::string> referenceUtf8(unsigned char byte) {
    iconv_t converter = iconv_open("UTF-8", "CP1250");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << "no CP1250 converter";
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inNext = in;
    char* outNext = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(converter, &inNext, &inLeft, &outNext, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(out, outNext);
}

std::string utf8Of(char32_t codePoint) {
    std::string text;
    appendUtf8(text, codePoint);
    return text;
}

TEST(Cp1250, EveryByteMapsAsTheCLibraryMapsIt) {
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        const std::optional<char32_t> codePoint = cp1250ToUnicode(byte);
        const std::optional<std::string> reference = referenceUtf8(byte);
        ASSERT_EQ(codePoint.has_value(), reference.has_value()) << "byte " << value;
        if (codePoint) {
            EXPECT_EQ(utf8Of(*codePoint), *reference) << "byte " << value;
            EXPECT_EQ(unicodeToCp1250(*codePoint), byte) << "byte " << value;
        }
    }
}

TEST(Cp1250, LeavesExactlyFiveBytesUndefined) {
    std::vector<int> undefined;
    for (int value = 0; value < 256; ++value) {
        if (!cp1250ToUnicode(static_cast<unsigned char>(value))) {
            undefined.push_back(value);
        }
    }
    EXPECT_EQ(undefined, (std::vector<int>{0x81, 0x83, 0x88, 0x90, 0x98}));
}

TEST(Cp1250, CzechLettersAndCodePointsOutsideIt) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    for (const Case& known :
         {Case{0xE1, U'á'}, Case{0xE8, U'č'}, Case{0xEF, U'ď'}, Case{0xE9, U'é'}, Case{0xEC, U'ě'},
          Case{0xED, U'í'}, Case{0xF2, U'ň'}, Case{0xF3, U'ó'}, Case{0xF8, U'ř'}, Case{0x9A, U'š'},
          Case{0x9D, U'ť'}, Case{0xFA, U'ú'}, Case{0xF9, U'ů'}, Case{0xFD, U'ý'}, Case{0x9E, U'ž'},
          Case{0xC8, U'Č'}, Case{0x8A, U'Š'}, Case{0x80, U'€'}}) {
        EXPECT_EQ(cp1250ToUnicode(known.byte), known.codePoint) << int{known.byte};
    }
    for (const char32_t missing : {U'ñ', U'ø', U'ĉ', U'→', char32_t{0x1F600}}) {
        EXPECT_FALSE(unicodeToCp1250(missing)) << std::uint32_t{missing};
    }
}

TEST(Cp1250, CapitalLetters) {
    // A, Z, Č, Š, Ž, Ř, Ů, Á, Ł
    for (const int capital : {0x41, 0x5A, 0xC8, 0x8A, 0x8E, 0xD8, 0xD9, 0xC1, 0xA3}) {
        EXPECT_TRUE(isCp1250Capital(static_cast<unsigned char>(capital))) << capital;
    }
    // a, z, 1, space, č, š, ž, ×, ß, no-break space
    for (const int other : {0x61, 0x7A, 0x31, 0x20, 0xE8, 0x9A, 0x9E, 0xD7, 0xDF, 0xA0}) {
        EXPECT_FALSE(isCp1250Capital(static_cast<unsigned char>(other))) << other;
    }
}

TEST(Utf8, DecodesValidAndRefusesMalformedText) {
    EXPECT_EQ(decodeUtf8("p\xC5\x99\xC3\xAD\x6C\x69\xC5\xA1 \xE2\x82\xAC\xF0\x9F\x98\x80"),
              std::u32string(U"příliš €\U0001F600"));
    for (const char* malformed : {"\x80", "\xC4", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                                  "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "a\xC4z"}) {
        EXPECT_FALSE(decodeUtf8(malformed)) << malformed;
    }
}

TEST(DisplayText, ShowsEveryByteRecognisably) {
    EXPECT_EQ(displayText("\xE8"
                          "ekat"),
              "čekat");
    EXPECT_EQ(displayText("a\\b"), "a\\\\b");
    EXPECT_EQ(displayText(std::string("\t\r\n\x1A\x81\x7F", 6)), "\\x09\\x0D\\x0A\\x1A\\x81\\x7F");
}

}  // namespace
