#include <optional>

#include "commands.h"
#include "file_io.h"
#include "record_check.h"
#include "verb_source.h"

int buildVerbFile(const std::string& sourcePath, const std::string& levelName,
                  const std::string& outPath, std::ostream& out, std::ostream& err) {
    const std::optional<Level> level = levelNamed(levelName);
    if (!level) {
        err << "verbtool: level \"" << levelName << "\": not easy, medium or hard\n";
        return 1;
    }
    const std::optional<std::vector<SourceVerb>> source = loadVerbSource(sourcePath, err);
    if (!source) {
        return 1;
    }
    const std::vector<SourceVerb> verbs = verbsOfLevel(*source, *level);
    const std::string bytes = verbFileBytes(verbs);
    // The whole list has passed; what is left is what only this level's file
    // can lack, such as any verb at all.
    const auto lineOf = [&verbs](int record) {
        return "line " + std::to_string(verbs[static_cast<std::size_t>(record)].line);
    };
    const std::vector<std::string> problems = verbFileProblems(bytes, lineOf);
    for (const std::string& problem : problems) {
        err << sourcePath << ", level " << levelName << ": " << problem << '\n';
    }
    if (!problems.empty() || !writeFileBytes(outPath, bytes, err)) {
        return 1;
    }
    out << outPath << ": " << verbs.size() << " verbs\n";
    return 0;
}
