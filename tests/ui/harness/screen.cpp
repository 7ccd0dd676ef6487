#include "harness/screen.h"

#include <algorithm>

Pixels::Pixels(RECT screenArea) : area_(screenArea) {
    const LONG width = area_.right - area_.left;
    const LONG height = area_.bottom - area_.top;
    colours_.assign(static_cast<size_t>(std::max(width, 0L) * std::max(height, 0L)), 0);
    if (colours_.empty()) {
        return;
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area_.left, area_.top, SRCCOPY);
    GdiFlush();
    const auto* bgrx = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < colours_.size(); ++i) {
        const DWORD pixel = bgrx[i];
        colours_[i] = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Pixels::at(LONG x, LONG y) const {
    const LONG width = area_.right - area_.left;
    return colours_[static_cast<size_t>((y - area_.top) * width + (x - area_.left))];
}

int Pixels::count(COLORREF colour, const RECT& part) const {
    RECT inside{};
    IntersectRect(&inside, &part, &area_);
    int found = 0;
    for (LONG y = inside.top; y < inside.bottom; ++y) {
        for (LONG x = inside.left; x < inside.right; ++x) {
            found += at(x, y) == colour ? 1 : 0;
        }
    }
    return found;
}

int Pixels::countOther(COLORREF colour, const RECT& part) const {
    RECT inside{};
    IntersectRect(&inside, &part, &area_);
    const int all = (inside.right - inside.left) * (inside.bottom - inside.top);
    return all - count(colour, inside);
}

RECT Pixels::bounds(COLORREF colour) const {
    RECT found{area_.right, area_.bottom, area_.left, area_.top};
    for (LONG y = area_.top; y < area_.bottom; ++y) {
        for (LONG x = area_.left; x < area_.right; ++x) {
            if (at(x, y) == colour) {
                found = RECT{std::min(found.left, x), std::min(found.top, y),
                             std::max(found.right, x + 1), std::max(found.bottom, y + 1)};
            }
        }
    }
    return found.left < found.right ? found : RECT{};
}

RECT onScreen(HWND window, RECT clientPart) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&clientPart), 2);
    return clientPart;
}

Pixels captureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Pixels(onScreen(window, client));
}

Pixels captureClient(HWND window, RECT clientPart) {
    return Pixels(onScreen(window, clientPart));
}

RECT windowOnScreen(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

void coverOnScreen(const RECT& screenArea, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(screen, &screenArea, brush);
    DeleteObject(brush);
    ReleaseDC(nullptr, screen);
    // Wine sends the drawing to the X server later; reading the screen back sends it now, so it
    // cannot land after the program's own painting.
    Pixels(RECT{screenArea.left, screenArea.top, screenArea.left + 1, screenArea.top + 1});
}

void uncover(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
