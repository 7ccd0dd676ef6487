// The pixels the user sees. Colours chosen by the program's colour messages never cross the
// process boundary, so they are read back from the screen.
#pragma once

#include <windows.h>

#include <vector>

class Pixels {
public:
    explicit Pixels(RECT screenArea);

    const RECT& area() const { return area_; }
    // The colour at a point of the screen inside the area.
    COLORREF at(LONG x, LONG y) const;
    // How many pixels of the part (screen coordinates, clipped to the area) have the colour.
    int count(COLORREF colour, const RECT& part) const;
    int count(COLORREF colour) const { return count(colour, area_); }
    // How many pixels of the part have another colour.
    int countOther(COLORREF colour, const RECT& part) const;
    // The smallest rectangle that holds every pixel of the colour (empty when there is none):
    // the extent of a text drawn in that colour.
    RECT bounds(COLORREF colour) const;

private:
    RECT area_;
    std::vector<COLORREF> colours_;
};

// The pixels of a window's client area, or of a part of it given in client coordinates.
Pixels captureClient(HWND window);
Pixels captureClient(HWND window, RECT clientPart);
// A rectangle of client coordinates in screen coordinates.
RECT onScreen(HWND window, RECT clientPart);
// Paints over a part of the screen, as another window lying over it would; the program's windows
// there must paint themselves again once they are invalidated.
void coverOnScreen(const RECT& screenArea, COLORREF colour);
// Invalidates a window of the program with its children and frame, as uncovering it does.
void uncover(HWND window);
// The window's whole rectangle, as on the screen.
RECT windowOnScreen(HWND window);
