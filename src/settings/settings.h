// The three user settings and their four-byte file, "settings.cfg".
#pragma once

#include <cstdint>

constexpr std::int32_t minTestLength = 10;
constexpr std::int32_t maxTestLength = 50;

struct Settings {
    std::int32_t testLength = 20;
    std::int32_t reaskWrong = 1;  // 0 off, nonzero on
    std::uint8_t difficulty = 1;  // 0 easy, 1 medium, 2 hard
};

extern Settings settings;

// Fills the record from "settings.cfg" in the working directory, creating the
// file with the defaults when it is missing. A field that is missing or out of
// range takes its default.
void loadSettings();

// Stores the values in the record and writes them to "settings.cfg". 0: the
// file holds them; 1: it could not be written (the record holds them anyway,
// and the old file, if any, is left intact).
int saveSettings(std::int32_t testLength, std::int32_t reaskWrong, std::uint8_t difficulty);
