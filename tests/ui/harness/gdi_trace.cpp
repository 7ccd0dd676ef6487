#include "harness/gdi_trace.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The stderr file's Unix path, as the Windows path that Wine's drive Z: gives it.
std::wstring traceFile() {
    wchar_t unixPath[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"KALVENA_STDERR_FILE", unixPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    std::wstring path = L"Z:";
    path += unixPath;
    for (auto& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

}  // namespace

bool gdiTraceAvailable() {
    return !traceFile().empty();
}

std::optional<long> liveGdiObjects() {
    std::ifstream file(std::filesystem::path(traceFile()), std::ios::binary);
    const std::string trace((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const std::string limit = "/65536";
    for (size_t end = trace.rfind(limit); end != std::string::npos && end > 0;
         end = trace.rfind(limit, end - 1)) {
        size_t begin = end;
        while (begin > 0 && trace[begin - 1] >= '0' && trace[begin - 1] <= '9') {
            --begin;
        }
        if (begin < end && begin > 0 && trace[begin - 1] == ' ') {
            return std::stol(trace.substr(begin, end - begin));
        }
    }
    return std::nullopt;
}
