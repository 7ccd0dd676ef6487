// The base of the core's tests: each test runs in a fresh, empty working
// directory (the core uses relative file names), with a FakePlatform in place
// and the core's process-wide state as at program start.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fake_platform.h"

class CoreTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FakePlatform fake;

private:
    std::filesystem::path previousDirectory_;
    std::filesystem::path workDirectory_;
};

// One 80-byte record of a verb file: each field padded with NULs to 20 bytes
// (a 20-byte value gets no NUL).
std::string verbRecord(std::string_view meaning, std::string_view infinitive,
                       std::string_view pastSimple, std::string_view pastParticiple);

void writeFile(const std::string& name, const std::string& bytes);
std::string readFile(const std::string& name);

// Writes "medium.dat" from the records and loads it (settings.difficulty 1).
void loadVerbs(const std::vector<std::string>& records);

// A verb file of count verbs whose meaning is "verb<slot>".
void loadNumberedVerbs(int count);
