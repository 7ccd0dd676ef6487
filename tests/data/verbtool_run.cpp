#include "verbtool_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "verbtool.h"

ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runVerbtool(args, out, err);
    return {status, out.str(), err.str()};
}

std::filesystem::path testDirectory() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& character : name) {
        if (character == '/') {
            character = '_';
        }
    }
    // Inside the build tree, so that two builds' runs never share a file.
    const std::filesystem::path directory = std::filesystem::path(VERBTOOL_TEST_SCRATCH) / name;
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string record(const std::string& meaning, const std::string& infinitive,
                   const std::string& pastSimple, const std::string& pastParticiple) {
    std::string bytes;
    for (const std::string& value : {meaning, infinitive, pastSimple, pastParticiple}) {
        std::string field = value;
        field.resize(20, '\0');
        bytes += field;
    }
    return bytes;
}
