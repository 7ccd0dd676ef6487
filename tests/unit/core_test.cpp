#include "core_test.h"

#include <fstream>
#include <iterator>
#include <random>

#include "settings/settings.h"
#include "test/random.h"
#include "test/test_engine.h"
#include "verbs/verb_table.h"

void CoreTest::SetUp() {
    previousDirectory_ = std::filesystem::current_path();
    std::random_device random;
    workDirectory_ = std::filesystem::temp_directory_path() /
                     ("kalvena-unit-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directory(workDirectory_);
    std::filesystem::current_path(workDirectory_);

    setPlatform(&fake);
    settings = Settings{};
    std::fill(std::begin(verbTable), std::end(verbTable), VerbRecord{});
    verbCount = 0;
    askedCount = 0;
    correctCount = 0;
    currentVerb = 0;
    testRunning = 0;
    usedList.fill(0);
    wrongList.fill(0);
    lcg::srand(1);
}

void CoreTest::TearDown() {
    setPlatform(nullptr);
    std::filesystem::current_path(previousDirectory_);
    std::filesystem::remove_all(workDirectory_);
}

std::string verbRecord(std::string_view meaning, std::string_view infinitive,
                       std::string_view pastSimple, std::string_view pastParticiple) {
    std::string record;
    for (std::string_view field : {meaning, infinitive, pastSimple, pastParticiple}) {
        std::string padded(field);
        padded.resize(20, '\0');
        record += padded;
    }
    return record;
}

void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream file(name, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void loadVerbs(const std::vector<std::string>& records) {
    std::string bytes;
    for (const std::string& record : records) {
        bytes += record;
    }
    writeFile("medium.dat", bytes);
    settings.difficulty = 1;
    ASSERT_EQ(loadVerbTable(), 0);
}

void loadNumberedVerbs(int count) {
    std::vector<std::string> records;
    for (int slot = 1; slot <= count; ++slot) {
        const std::string name = std::to_string(slot);
        records.push_back(verbRecord("verb" + name, "inf" + name, "past" + name, "part" + name));
    }
    loadVerbs(records);
}
