#include "verbs/verb_table.h"

#include <algorithm>
#include <fstream>

#include "platform/platform.h"
#include "settings/settings.h"

VerbRecord verbTable[verbTableSlots] = {};
std::int32_t verbCount = 0;

namespace {

// The verb files were written for a C runtime reading them as text, so their
// record boundaries are counted on the bytes that text reading delivers. The
// file is read in binary and those rules are applied here, so that it reads
// the same on every system: CR LF comes as LF, a lone CR as it is, and 0x1A
// ends the data. A read error ends the data as well.
class VerbFileReader {
public:
    explicit VerbFileReader(std::ifstream& file) : file_(file) {}

    // Reads up to count bytes into buffer; fewer only at the end of the data.
    int read(char* buffer, int count) {
        int delivered = 0;
        while (delivered < count) {
            const int next = nextByte();
            if (next < 0) {
                break;
            }
            buffer[delivered++] = static_cast<char>(next);
        }
        return delivered;
    }

private:
    static constexpr int endOfData = -1;

    int nextByte() {
        if (ended_) {
            return endOfData;
        }
        const int byte = rawByte();
        if (byte == 0x1A) {
            ended_ = true;
            return endOfData;
        }
        if (byte == '\r' && file_.peek() == '\n') {
            return rawByte();
        }
        return byte;
    }

    int rawByte() {
        const std::ifstream::int_type byte = file_.get();
        if (byte == std::ifstream::traits_type::eof()) {
            ended_ = true;
            return endOfData;
        }
        return static_cast<unsigned char>(std::ifstream::traits_type::to_char_type(byte));
    }

    std::ifstream& file_;
    bool ended_ = false;
};

// The fields of a record in file order, so that they can be walked by index.
constexpr char (VerbRecord::*recordFields[])[verbFieldSize] = {
    &VerbRecord::meaning, &VerbRecord::infinitive, &VerbRecord::pastSimple,
    &VerbRecord::pastParticiple};
constexpr int fieldsPerRecord = 4;

char* fieldData(VerbRecord& record, int field) {
    return record.*recordFields[field];
}

// Reads one 20-byte field into the slot: its text up to the first NUL,
// lowercased, the rest of the field left zero. The text of a field without a
// NUL fills all 20 bytes; its terminator would land on the next field, which
// is still zero, so it is not written (and never past the table). Returns
// whether the read came up short.
bool readField(VerbFileReader& reader, VerbRecord& record, int field) {
    char buffer[verbFieldSize + 1] = {};
    const int got = reader.read(buffer, verbFieldSize);
    lowercaseAscii(buffer);
    std::copy_n(buffer, std::char_traits<char>::length(buffer), fieldData(record, field));
    return got < verbFieldSize;
}

}  // namespace

const char* verbFileName(std::uint8_t difficulty) {
    switch (difficulty) {
        case 0:
            return "easy.dat";
        case 1:
            return "medium.dat";
        case 2:
            return "hard.dat";
        default:
            return nullptr;
    }
}

int loadVerbFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return 1;
    }
    verbCount = 0;
    std::fill(std::begin(verbTable), std::end(verbTable), VerbRecord{});

    VerbFileReader reader(file);
    // Records beyond the table's capacity are ignored.
    while (verbCount < verbCapacity) {
        VerbRecord& record = verbTable[verbCount + 1];
        // A record counts once its first three fields are complete; its past
        // participle may be cut short by the end of the data.
        bool complete = true;
        for (int field = 0; field < fieldsPerRecord - 1 && complete; ++field) {
            complete = !readField(reader, record, field);
        }
        if (!complete) {
            // A trailing piece of fewer than 60 bytes is no verb: the slots
            // above verbCount stay empty.
            record = VerbRecord{};
            break;
        }
        const bool ended = readField(reader, record, fieldsPerRecord - 1);
        ++verbCount;
        if (ended) {
            break;
        }
    }
    return 0;
}

int loadVerbTable() {
    const char* name = verbFileName(settings.difficulty);
    if (name != nullptr && loadVerbFile(name) == 0) {
        return 0;
    }
    showMissingVerbFileMessage();
    return 1;
}

void showMissingVerbFileMessage() {
    // "Databáze sloves pro tuto obtížnost nenalezena!", "Chyba"
    platform().showError("Datab\xE1ze sloves pro tuto obt\xED\x9Enost nenalezena!", "Chyba");
}

std::string verbText(int slot, VerbField field) {
    std::string text;
    if (slot < 0 || slot >= verbTableSlots) {
        return text;
    }
    // A field without a NUL runs on into the following fields and slots, as
    // the text it is read as does, but never beyond the last slot.
    const int lastField = verbTableSlots * fieldsPerRecord;
    for (int index = slot * fieldsPerRecord + static_cast<int>(field); index < lastField; ++index) {
        const char* data = fieldData(verbTable[index / fieldsPerRecord], index % fieldsPerRecord);
        const char* end = std::find(data, data + verbFieldSize, '\0');
        text.append(data, end);
        if (end != data + verbFieldSize) {
            break;
        }
    }
    return text;
}

void lowercaseAscii(char* text) {
    for (; *text != '\0'; ++text) {
        if (*text >= 'A' && *text <= 'Z') {
            *text = static_cast<char>(*text + ('a' - 'A'));
        }
    }
}

void lowercaseAscii(std::string& text) {
    for (char& byte : text) {
        if (byte >= 'A' && byte <= 'Z') {
            byte = static_cast<char>(byte + ('a' - 'A'));
        }
    }
}
