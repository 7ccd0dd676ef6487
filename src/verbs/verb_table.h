// The VerbTable: the verbs of the current difficulty, loaded from a verb file
// of 80-byte records (four 20-byte Windows-1250 fields each).
#pragma once

#include <cstdint>
#include <string>

constexpr int verbFieldSize = 20;
constexpr int verbRecordSize = 4 * verbFieldSize;
constexpr int verbTableSlots = 500;  // slot 0 stays empty
constexpr int verbCapacity = verbTableSlots - 1;

struct VerbRecord {
    char meaning[verbFieldSize];
    char infinitive[verbFieldSize];
    char pastSimple[verbFieldSize];
    char pastParticiple[verbFieldSize];
};
static_assert(sizeof(VerbRecord) == verbRecordSize, "a VerbRecord mirrors a record of the file");

enum class VerbField { meaning, infinitive, pastSimple, pastParticiple };

extern VerbRecord verbTable[verbTableSlots];
extern std::int32_t verbCount;

// The verb file of a difficulty ("easy.dat", "medium.dat", "hard.dat"), or
// nullptr for a difficulty outside 0..2.
const char* verbFileName(std::uint8_t difficulty);

// Loads the verb file of settings.difficulty from the working directory.
// 0: loaded. 1: the file could not be opened (or the difficulty names no
// file); the error message has been shown and the table is unchanged.
int loadVerbTable();

// The loader's message for a verb file that cannot be opened, in a box with
// no owner window; returns once the user has closed it.
void showMissingVerbFileMessage();

// Loads the given file into the table, without any message. 0: loaded;
// 1: not opened, table unchanged.
int loadVerbFile(const std::string& path);

// A field read as the program reads it: the text from the start of the field
// up to the first NUL. A 20-byte value has no NUL of its own and runs on into
// the following fields; the text never runs past the end of the table.
std::string verbText(int slot, VerbField field);

// Lowercases 'A'..'Z' in place, up to the first NUL; every other byte stays.
void lowercaseAscii(char* text);
void lowercaseAscii(std::string& text);
