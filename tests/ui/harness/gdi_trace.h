// The live GDI objects of a program started with WINEDEBUG=+gdi. GetGuiResources answers 0 under
// Wine; Wine traces each allocation and release instead ("allocated NTGDI_OBJ_FONT 0x... 57/65536",
// "freed NTGDI_OBJ_FONT 0x... 56/65536"). The trace lands on the test program's stderr, which
// tests/ui/run-test-program.sh keeps in the file named by KALVENA_STDERR_FILE.
#pragma once

#include <map>
#include <string>
#include <unordered_map>

class GdiTrace {
public:
    // Whether the test program runs with its stderr kept in a readable file.
    static bool available();

    // Reads what Wine has added to the trace since the last call; returns whether it had grown.
    bool update();
    // The live objects by kind ("NTGDI_OBJ_FONT", "NTGDI_OBJ_DC", ...).
    std::map<std::string, long> liveByKind() const;

private:
    long long readUpTo_ = 0;
    std::string unfinishedLine_;
    std::unordered_map<std::string, std::string> kindOfLiveHandle_;
};
