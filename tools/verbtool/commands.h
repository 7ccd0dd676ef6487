// The commands of verbtool. Each returns the exit status: 0 done, 1 refused,
// problems found or a file that cannot be read or written.
#pragma once

#include <ostream>
#include <string>

// Writes the verb file of a level from the verb list.
int buildVerbFile(const std::string& sourcePath, const std::string& levelName,
                  const std::string& outPath, std::ostream& out, std::ostream& err);

// Writes the AlternativeForms rows of the verbs that the list gives two
// standard forms.
int writeAlternativeForms(const std::string& sourcePath, const std::string& outPath,
                          std::ostream& err);

// Prints what the trainer's loader loads from a verb file.
int dumpVerbFile(const std::string& path, std::ostream& out, std::ostream& err);

// Reports what build would have refused in a verb file made elsewhere.
int checkVerbFile(const std::string& path, std::ostream& out, std::ostream& err);
