// The project web address: drawn by every LinkButton and opened when one is
// clicked. Kept here alone so that the address is changed in one place.
#pragma once

// The plain macro also serves the resource scripts (windres and rc define
// RC_INVOKED and cannot read C++ declarations).
#define PROJECT_WEB_ADDRESS "http://kalvena.example"

#ifndef RC_INVOKED
inline constexpr wchar_t projectWebAddress[] = L"" PROJECT_WEB_ADDRESS;
#endif
