// Windows-1250, the single-byte code page of the verb files, and UTF-8, the
// encoding of the verb source and of everything the tool prints.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1250 byte; none for the five bytes that
// the code page leaves undefined (0x81, 0x83, 0x88, 0x90 and 0x98).
std::optional<char32_t> cp1250ToUnicode(unsigned char byte);

// The Windows-1250 byte of a code point; none when the code page lacks it.
std::optional<unsigned char> unicodeToCp1250(char32_t codePoint);

// A capital letter, that is one with a small counterpart in the code page.
bool isCp1250Capital(unsigned char byte);

// The code points of UTF-8 text; none when the text is not valid UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view text);
void appendUtf8(std::string& text, char32_t codePoint);

// Windows-1250 text as UTF-8 on one line, with every byte still recognisable:
// control characters and undefined bytes come out as \xNN, a backslash as \\.
std::string displayText(std::string_view text1250);
