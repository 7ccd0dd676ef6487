#include "harness/gdi_trace.h"

#include "harness/wrapper_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

bool GdiTrace::available() {
    return !wrapperFile(L"KALVENA_STDERR_FILE").empty();
}

bool GdiTrace::update() {
    std::ifstream file(std::filesystem::path(wrapperFile(L"KALVENA_STDERR_FILE")),
                       std::ios::binary);
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
