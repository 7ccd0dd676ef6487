#include "harness/wrapper_files.h"

#include <windows.h>

std::wstring wrapperFile(const wchar_t* variable) {
    wchar_t unixPath[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(variable, unixPath, MAX_PATH);
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
