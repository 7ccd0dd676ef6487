#include "ui/text_1250.h"

#include <vector>

namespace {

constexpr UINT windows1250 = 1250;

// DEL: a control character that cannot be typed into an edit box and that no
// verb file holds, so an answer with a character outside Windows-1250 never
// equals a stored form. WC_NO_BEST_FIT_CHARS keeps such a character from being
// turned into a look-alike letter ('ā' into 'a') that could match.
constexpr char unrepresentableByte = '\x7F';

}  // namespace

std::wstring widen(const std::string& text1250) {
    if (text1250.empty()) {
        return {};
    }
    const int length = static_cast<int>(text1250.size());
    const int wideLength = MultiByteToWideChar(windows1250, 0, text1250.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(windows1250, 0, text1250.data(), length, wide.data(), wideLength);
    return wide;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int narrowLength = WideCharToMultiByte(windows1250, WC_NO_BEST_FIT_CHARS, text.data(),
                                                 length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(windows1250, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(),
                        narrowLength, &unrepresentableByte, nullptr);
    return bytes;
}

std::string controlText1250(HWND dialog, int id, int bufferSize) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferSize) + 1, L'\0');
    const UINT copied = GetDlgItemTextW(dialog, id, buffer.data(), bufferSize);
    return narrow(std::wstring(buffer.data(), copied));
}

void setControlText1250(HWND dialog, int id, const std::string& text1250) {
    SetDlgItemTextW(dialog, id, widen(text1250).c_str());
}
