#include "settings/settings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

Settings settings;

namespace {

const char* const settingsFileName = "settings.cfg";
// The new content is written here first and then moved over the old file, so
// that a failed write never leaves a cut-off settings.cfg behind.
const char* const newSettingsFileName = "settings.cfg.new";

constexpr int settingsFileSize = 4;

bool isValidLength(long length) {
    return length >= minTestLength && length <= maxTestLength;
}

bool isValidDifficulty(int difficulty) {
    return difficulty >= 0 && difficulty <= 2;
}

// Writes the four bytes: the length as two digits, the flag, the difficulty.
bool writeSettingsFile(const Settings& values) {
    const char length[2] = {static_cast<char>('0' + values.testLength / 10),
                            static_cast<char>('0' + values.testLength % 10)};
    const char reask = values.reaskWrong != 0 ? '1' : '0';
    const char difficulty = static_cast<char>('0' + values.difficulty);

    std::ofstream file(newSettingsFileName, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) {
        return false;
    }
    file.write(length, 2);
    file.write(&reask, 1);
    file.write(&difficulty, 1);
    file.close();
    std::error_code error;
    if (file.fail()) {
        std::filesystem::remove(newSettingsFileName, error);
        return false;
    }
    // Replaces an existing file on Windows as well (MoveFileEx with
    // MOVEFILE_REPLACE_EXISTING underneath).
    std::filesystem::rename(newSettingsFileName, settingsFileName, error);
    if (error) {
        std::filesystem::remove(newSettingsFileName, error);
        return false;
    }
    return true;
}

// Reads the fields that the file holds; a field that is missing or out of
// range keeps the default already in the record. Returns false when the file
// cannot be opened.
bool readSettingsFile(Settings& values) {
    std::ifstream file(settingsFileName, std::ios::binary);
    if (!file.is_open()) {
        return false;
    }
    char bytes[settingsFileSize] = {};
    file.read(bytes, settingsFileSize);
    const std::streamsize got = file.gcount();

    if (got >= 2) {
        // The two bytes alone, converted as decimal text.
        const char lengthText[3] = {bytes[0], bytes[1], '\0'};
        const long length = std::atol(lengthText);
        if (isValidLength(length)) {
            values.testLength = static_cast<std::int32_t>(length);
        }
    }
    if (got >= 3) {
        // A digit spells its number, so any digit but "0" means on; a
        // non-digit spells nothing and means off.
        const char reask = bytes[2];
        values.reaskWrong = reask >= '1' && reask <= '9' ? 1 : 0;
    }
    if (got >= 4) {
        const int difficulty = static_cast<unsigned char>(bytes[3]) - '0';
        if (isValidDifficulty(difficulty)) {
            values.difficulty = static_cast<std::uint8_t>(difficulty);
        }
    }
    return true;
}

}  // namespace

void loadSettings() {
    settings = Settings{};
    if (!readSettingsFile(settings)) {
        // A missing file is created with the defaults. If it can be neither
        // read nor created, the program runs on the defaults.
        if (writeSettingsFile(Settings{})) {
            readSettingsFile(settings);
        }
    }
}

int saveSettings(std::int32_t testLength, std::int32_t reaskWrong, std::uint8_t difficulty) {
    // The panel only passes valid values; anything else is held back the way
    // a bad file is, so that the record and the file stay usable.
    Settings values;
    if (isValidLength(testLength)) {
        values.testLength = testLength;
    }
    values.reaskWrong = reaskWrong != 0 ? 1 : 0;
    if (isValidDifficulty(difficulty)) {
        values.difficulty = difficulty;
    }
    settings = values;
    return writeSettingsFile(values) ? 0 : 1;
}
