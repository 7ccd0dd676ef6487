// The live GDI object count of a program started with WINEDEBUG=+gdi. GetGuiResources answers 0
// under Wine; Wine's trace of each allocation and release carries the count instead
// ("allocated NTGDI_OBJ_FONT 0x... 57/65536"). The trace lands on the test program's stderr,
// which tests/ui/wine-keeping-stderr.sh keeps in the file named by KALVENA_STDERR_FILE.
#pragma once

#include <optional>

// Whether the test program runs with its stderr kept in a readable file.
bool gdiTraceAvailable();
// The count after the latest traced allocation or release, or nothing before the first one.
std::optional<long> liveGdiObjects();
