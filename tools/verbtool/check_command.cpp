#include <algorithm>
#include <optional>

#include "commands.h"
#include "file_io.h"
#include "record_check.h"
#include "verbs/verb_table.h"

int checkVerbFile(const std::string& path, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> bytes = readFileBytes(path, err);
    if (!bytes) {
        return 1;
    }
    const std::size_t size = bytes->size();
    // Records are numbered as the trainer's slots, from 1.
    const auto recordName = [size](int record) {
        const std::size_t first = static_cast<std::size_t>(record) * verbRecordSize;
        const std::size_t last = std::min(first + verbRecordSize, size) - 1;
        return "record " + std::to_string(record + 1) + " (bytes " + std::to_string(first) + "-" +
               std::to_string(last) + ")";
    };
    const std::vector<std::string> problems = verbFileProblems(*bytes, recordName);
    for (const std::string& problem : problems) {
        out << path << ": " << problem << '\n';
    }
    if (!problems.empty()) {
        out << path << ": " << problems.size() << " problems\n";
        return 1;
    }
    out << path << ": " << size / verbRecordSize << " verbs, no problems\n";
    return 0;
}
