// Runs verbtool's commands in the test process, on files in a directory of
// the test's own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ToolRun {
    int status = 0;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::vector<std::string>& args);

// A fresh, empty directory named after the running test.
std::filesystem::path testDirectory();

void writeBytes(const std::filesystem::path& path, const std::string& bytes);
std::string readBytes(const std::filesystem::path& path);

// One verb file record: four values of at most 20 bytes, each padded with
// NUL bytes to 20.
std::string record(const std::string& meaning, const std::string& infinitive,
                   const std::string& pastSimple, const std::string& pastParticiple);
