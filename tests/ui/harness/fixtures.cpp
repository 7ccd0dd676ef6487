#include "harness/fixtures.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

const std::vector<Verb>& everydayVerbs() {
    static const std::vector<Verb> verbs = {
        {L"spát", L"sleep", L"slept", L"slept"},   {L"spálit se", L"burn", L"burned", L"burned"},
        {L"jít", L"go", L"went", L"gone"},         {L"psát", L"write", L"wrote", L"written"},
        {L"číst", L"read", L"read", L"read"},      {L"plavat", L"swim", L"swam", L"swum"},
        {L"jíst", L"eat", L"ate", L"eaten"},       {L"pít", L"drink", L"drank", L"drunk"},
        {L"vidět", L"see", L"saw", L"seen"},       {L"zpívat", L"sing", L"sang", L"sung"},
        {L"řídit", L"drive", L"drove", L"driven"}, {L"Létat", L"FLY", L"Flew", L"flown"},
    };
    return verbs;
}

std::wstring lowercaseAscii(std::wstring text) {
    for (auto& c : text) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c + (L'a' - L'A'));
        }
    }
    return text;
}

const Verb* verbShownAs(const std::vector<Verb>& verbs, const std::wstring& shownMeaning) {
    for (const auto& verb : verbs) {
        if (lowercaseAscii(verb.meaning) == shownMeaning) {
            return &verb;
        }
    }
    return nullptr;
}

std::string to1250(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(1250, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(1250, 0, text.data(), wideLength, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string verbFile(const std::vector<Verb>& verbs) {
    std::string bytes;
    for (const auto& verb : verbs) {
        for (const auto* field :
             {&verb.meaning, &verb.infinitive, &verb.pastSimple, &verb.pastParticiple}) {
            std::string value = to1250(*field);
            value.resize(20, '\0');
            bytes += value;
        }
    }
    return bytes;
}

namespace {

std::filesystem::path pathOf(const std::wstring& folder, const std::wstring& name) {
    return std::filesystem::path(folder) / name;
}

}  // namespace

WorkDir::WorkDir() {
    static std::atomic<int> made{0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"kalvena-ui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++made);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

WorkDir::~WorkDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WorkDir::write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream file(pathOf(path_, name), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write a fixture file");
    }
}

void WorkDir::remove(const std::wstring& name) const {
    std::filesystem::remove(pathOf(path_, name));
}

std::optional<std::string> WorkDir::read(const std::wstring& name) const {
    std::ifstream file(pathOf(path_, name), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
