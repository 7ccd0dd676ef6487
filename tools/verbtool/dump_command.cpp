#include <cstdint>
#include <limits>

#include "commands.h"
#include "cp1250.h"
#include "error_stream_platform.h"
#include "settings/settings.h"
#include "verbs/verb_table.h"

namespace {

// The loader's message for a file it cannot open comes from loadVerbTable
// alone, which loads by difficulty from the working directory. A difficulty
// that names no file takes that path without opening anything.
void showLoaderMessage(std::ostream& err) {
    ErrorStreamPlatform messages(err);
    setPlatform(&messages);
    const std::uint8_t difficulty = settings.difficulty;
    settings.difficulty = std::numeric_limits<std::uint8_t>::max();
    loadVerbTable();
    settings.difficulty = difficulty;
    setPlatform(nullptr);
}

}  // namespace

int dumpVerbFile(const std::string& path, std::ostream& out, std::ostream& err) {
    if (loadVerbFile(path) != 0) {
        showLoaderMessage(err);
        return 1;
    }
    out << "verbs: " << verbCount << '\n';
    for (int slot = 1; slot <= verbCount; ++slot) {
        out << slot;
        for (const VerbField field : {VerbField::meaning, VerbField::infinitive,
                                      VerbField::pastSimple, VerbField::pastParticiple}) {
            out << '\t' << displayText(verbText(slot, field));
        }
        out << '\n';
    }
    return 0;
}
