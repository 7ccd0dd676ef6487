#include "verbtool.h"

#include "commands.h"

namespace {

constexpr char usage[] = R"(usage:
  verbtool build SOURCE LEVEL OUT.dat
      Writes the verb file of LEVEL (easy, medium or hard; each level also
      holds the verbs of the easier ones) from the UTF-8 verb list SOURCE:
      one 80-byte record a verb, four NUL-padded Windows-1250 fields. The
      whole list is checked, whatever the level, and anything that the trainer
      would read wrong is refused, naming the line: a value longer than 19
      bytes, a character that Windows-1250 cannot hold, an empty field, a
      control character, a capital letter, a space at either end, a meaning
      used twice, bytes that the trainer's text reading would shift.
  verbtool forms SOURCE OUT.inc
      Writes the AlternativeForms rows (C++) of the verbs that SOURCE lists
      with two standard forms ("learnt/learned").
  verbtool dump FILE.dat
      Loads FILE.dat with the trainer's loader and prints what it loaded, as
      UTF-8: "verbs: N", then a line a slot: the slot, meaning, infinitive,
      past simple and past participle, separated by tabs, each read as the
      trainer reads it. Control characters, undefined bytes and backslashes
      are shown as \xNN and \\.
  verbtool check FILE.dat
      Reports what build would have refused in FILE.dat, a verb file made
      elsewhere.
Exit status: 0 done; 1 refused, problems found, or a file that cannot be read
or written; 2 wrong usage.
)";

}  // namespace

int runVerbtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string command = args.empty() ? "" : args[0];
    if (command == "build" && args.size() == 4) {
        return buildVerbFile(args[1], args[2], args[3], out, err);
    }
    if (command == "forms" && args.size() == 3) {
        return writeAlternativeForms(args[1], args[2], err);
    }
    if (command == "dump" && args.size() == 2) {
        return dumpVerbFile(args[1], out, err);
    }
    if (command == "check" && args.size() == 2) {
        return checkVerbFile(args[1], out, err);
    }
    err << usage;
    return 2;
}
