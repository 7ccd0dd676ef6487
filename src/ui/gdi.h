// Owners of GDI objects, so that every font, pen, brush and device context is
// released exactly once.
#pragma once

#include <windows.h>

// A font made from the stock DEFAULT_GUI_FONT with another face, height and
// underline, as the program's titles, figures and links use.
HFONT createGuiFont(const wchar_t* face, LONG height, bool underline);

// Holds the font made for the latest colour request or drawing of one control.
// A control draws after its colour request has returned, so the font must
// outlive the request; it is released when the next request replaces it, or
// when the holder goes.
class FontSlot {
public:
    FontSlot() = default;
    FontSlot(const FontSlot&) = delete;
    FontSlot& operator=(const FontSlot&) = delete;
    ~FontSlot();
    // Takes ownership of font, releases the previous one, and returns font.
    HFONT replace(HFONT font);

private:
    HFONT font_ = nullptr;
};

// Selects an object into a device context for one scope and puts the previous
// object back before the scope ends, so the object can then be deleted.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Deletes a GDI object (pen, brush, font, bitmap) when the scope ends.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
    }
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// A device context from GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(window_, dc_); }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
