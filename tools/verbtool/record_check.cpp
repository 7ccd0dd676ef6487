#include "record_check.h"

#include <algorithm>
#include <map>

#include "cp1250.h"
#include "verbs/verb_table.h"

const char* const verbFieldNames[4] = {"meaning", "infinitive", "past simple", "past participle"};

namespace {

constexpr char carriageReturn = '\r';
constexpr char lineFeed = '\n';
// Text-mode reading ends the data at this byte.
constexpr char endOfFile = '\x1A';

std::string hexByte(unsigned char byte) {
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 0x0F];
}

bool isSpace(unsigned char byte) {
    return byte == ' ' || byte == 0xA0;
}

std::string quoted(std::string_view value) {
    return "\"" + displayText(value) + "\"";
}

// The reading rules of the trainer's loader work on the stored bytes before
// any record is cut out, so they are checked on the whole file: a CR LF pair
// can also straddle a field or a record boundary.
void findShiftingBytes(std::string_view bytes, const RecordNamer& name,
                       std::vector<std::string>& problems) {
    for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
        const int record = static_cast<int>(offset / verbRecordSize);
        if (bytes[offset] == carriageReturn && offset + 1 < bytes.size() &&
            bytes[offset + 1] == lineFeed) {
            problems.push_back(name(record) + ": CR LF at byte " + std::to_string(offset) +
                               ": the trainer reads the pair as one byte, so this record and "
                               "all after it are read shifted");
        } else if (bytes[offset] == endOfFile) {
            problems.push_back(name(record) + ": byte 0x1A at byte " + std::to_string(offset) +
                               ": the trainer's data end there, nothing from it on is read");
        }
    }
}

void checkFields(std::string_view record, const std::string& where,
                 std::vector<std::string>& problems) {
    for (int field = 0; field < 4; ++field) {
        const std::string_view bytes = record.substr(field * verbFieldSize, verbFieldSize);
        const std::string_view value = bytes.substr(0, bytes.find('\0'));
        const std::string prefix = where + ": " + verbFieldNames[field] + " " + quoted(value);
        if (value.size() == bytes.size()) {
            problems.push_back(prefix +
                               ": fills all 20 bytes with no NUL, so the trainer reads it on "
                               "into the next field; at most 19 bytes fit");
            continue;
        }
        for (const std::string& problem : valueProblems(value)) {
            problems.push_back(prefix + ": " + problem);
        }
    }
}

}  // namespace

std::vector<std::string> valueProblems(std::string_view value) {
    std::vector<std::string> problems;
    if (value.empty()) {
        problems.push_back("is empty");
        return problems;
    }
    if (value.size() >= verbFieldSize) {
        problems.push_back("is " + std::to_string(value.size()) +
                           " bytes long in Windows-1250; a field holds at most 19");
    }
    for (const char character : value) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 || byte == 0x7F) {
            problems.push_back("holds the control character " + hexByte(byte));
        } else if (!cp1250ToUnicode(byte)) {
            problems.push_back("holds the byte " + hexByte(byte) +
                               ", which Windows-1250 leaves undefined");
        } else if (isCp1250Capital(byte)) {
            problems.push_back("holds the capital letter " +
                               quoted(std::string_view(&character, 1)) +
                               ": write it in lower case");
        }
    }
    if (isSpace(static_cast<unsigned char>(value.front())) ||
        isSpace(static_cast<unsigned char>(value.back()))) {
        problems.push_back("begins or ends with a space, which nobody types");
    }
    return problems;
}

std::vector<std::string> verbFileProblems(std::string_view bytes, const RecordNamer& name) {
    std::vector<std::string> problems;
    const int wholeRecords = static_cast<int>(bytes.size() / verbRecordSize);
    const int rest = static_cast<int>(bytes.size() % verbRecordSize);
    const int verbs = wholeRecords + (rest >= verbRecordSize - verbFieldSize ? 1 : 0);

    if (verbs == 0) {
        problems.push_back("holds no verb, so the trainer has nothing to ask");
    }
    if (verbs > verbCapacity) {
        problems.push_back("holds " + std::to_string(verbs) + " verbs; the trainer loads only " +
                           std::to_string(verbCapacity));
    }
    if (rest != 0) {
        problems.push_back(name(wholeRecords) + ": the file ends with " + std::to_string(rest) +
                           " bytes, not a whole 80-byte record" +
                           (rest >= verbRecordSize - verbFieldSize
                                ? " (the trainer reads them as a verb with a cut past participle)"
                                : " (the trainer ignores them)"));
    }
    findShiftingBytes(bytes, name, problems);

    std::map<std::string, int> meanings;  // as the trainer stores them, with their first record
    for (int record = 0; record < wholeRecords; ++record) {
        const std::string_view recordBytes =
            bytes.substr(static_cast<std::size_t>(record) * verbRecordSize, verbRecordSize);
        checkFields(recordBytes, name(record), problems);

        std::string meaning(recordBytes.substr(0, verbFieldSize));
        meaning.resize(std::min(meaning.find('\0'), meaning.size()));
        lowercaseAscii(meaning);
        const auto [first, isNew] = meanings.emplace(meaning, record);
        if (!isNew && !meaning.empty()) {
            problems.push_back(name(record) + ": meaning " + quoted(meaning) +
                               " is also the meaning of " + name(first->second) +
                               ", so the learner cannot tell which verb is asked");
        }
    }
    return problems;
}
