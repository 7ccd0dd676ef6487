// Conversion between the program's Windows-1250 texts and the wide strings of
// the W functions. Explicit, so that Czech shows right whatever the system's
// ANSI code page is.
#pragma once

#include <windows.h>

#include <string>

std::wstring widen(const std::string& text1250);
// A character that Windows-1250 cannot hold becomes a byte that occurs in no
// verb form, so such an answer is judged wrong rather than silently "fixed".
std::string narrow(const std::wstring& text);

// The text of a control, read as WM_GETTEXT with a buffer of bufferSize
// characters reads it (at most bufferSize - 1 characters), as Windows-1250.
std::string controlText1250(HWND dialog, int id, int bufferSize);
void setControlText1250(HWND dialog, int id, const std::string& text1250);
