// verbtool: builds the trainer's verb files from the readable verb list and
// inspects verb files as the trainer reads them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs the command given by the arguments (the program name left out).
// Returns the exit status: 0 done; 1 refused, problems found, or a file that
// cannot be read or written; 2 wrong usage.
int runVerbtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
