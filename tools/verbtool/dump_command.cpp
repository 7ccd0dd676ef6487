#include "commands.h"
#include "cp1250.h"
#include "error_stream_platform.h"
#include "verbs/verb_table.h"

namespace {

void showLoaderMessage(std::ostream& err) {
    ErrorStreamPlatform messages(err);
    setPlatform(&messages);
    showMissingVerbFileMessage();
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
