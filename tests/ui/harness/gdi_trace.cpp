#include "harness/gdi_trace.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

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

bool GdiTrace::available() {
    return !traceFile().empty();
}

bool GdiTrace::update() {
    std::ifstream file(std::filesystem::path(traceFile()), std::ios::binary);
    file.seekg(readUpTo_);
    const std::string added((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    readUpTo_ += static_cast<long long>(added.size());
    // A line still being written is kept for the next update.
    const std::string text = unfinishedLine_ + added;
    const size_t end = text.rfind('\n');
    unfinishedLine_ = end == std::string::npos ? text : text.substr(end + 1);
    std::istringstream lines(end == std::string::npos ? std::string() : text.substr(0, end));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        while (words >> word && word != "allocated" && word != "freed") {
        }
        std::string kind;
        std::string handle;
        if (words >> kind >> handle) {
            if (word == "allocated") {
                kindOfLiveHandle_[handle] = kind;
            } else {
                kindOfLiveHandle_.erase(handle);
            }
        }
    }
    return !added.empty();
}

std::map<std::string, long> GdiTrace::liveByKind() const {
    std::map<std::string, long> live;
    for (const auto& [handle, kind] : kindOfLiveHandle_) {
        ++live[kind];
    }
    return live;
}
