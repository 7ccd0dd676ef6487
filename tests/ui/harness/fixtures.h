// What a test puts beside the program before starting it: verb files and "settings.cfg" in a
// fresh folder of its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Verb {
    std::wstring meaning;
    std::wstring infinitive;
    std::wstring pastSimple;
    std::wstring pastParticiple;
};

// Twelve verbs with distinct meanings, so that the meaning shown names the verb being asked.
// One is written with capitals, as a verb file may hold it.
const std::vector<Verb>& everydayVerbs();

// The verb whose meaning the program shows (the program lowercases 'A' to 'Z' of the file's
// texts); nullptr when none is.
const Verb* verbShownAs(const std::vector<Verb>& verbs, const std::wstring& shownMeaning);

// Lowercases 'A' to 'Z' only, as the program does.
std::wstring lowercaseAscii(std::wstring text);

// Windows-1250 bytes of a text.
std::string to1250(const std::wstring& text);

// A verb file: one 80-byte record per verb, four NUL-padded 20-byte fields in Windows-1250.
std::string verbFile(const std::vector<Verb>& verbs);

// A fresh empty folder, removed with everything in it at the end of the test.
class WorkDir {
public:
    WorkDir();
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::wstring& path() const { return path_; }
    void write(const std::wstring& name, const std::string& bytes) const;
    void remove(const std::wstring& name) const;
    // The file's bytes, or nothing when it does not exist.
    std::optional<std::string> read(const std::wstring& name) const;

private:
    std::wstring path_;
};
