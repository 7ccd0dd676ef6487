#include "ui/gdi.h"

#include <algorithm>
#include <string_view>

// A null face keeps the stock font's own face, as the WrongPopup's hint does.
HFONT createGuiFont(const wchar_t* face, LONG height, bool underline) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    if (face != nullptr) {
        const std::wstring_view name(face);
        const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
        std::copy_n(name.begin(), length, font.lfFaceName);
        font.lfFaceName[length] = L'\0';
    }
    font.lfHeight = height;
    font.lfUnderline = static_cast<BYTE>(underline ? 1 : 0);
    return CreateFontIndirectW(&font);
}

FontSlot::~FontSlot() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

HFONT FontSlot::replace(HFONT font) {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
    return font_;
}
