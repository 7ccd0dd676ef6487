// What makes a verb file read wrong or teach something wrong in the trainer.
// "verbtool build" refuses it and "verbtool check" reports it, with the same
// rules, so that a file that passes one passes the other.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The names of the four fields of a record, in file order.
extern const char* const verbFieldNames[4];

// What is wrong with one value, Windows-1250 bytes without a terminator: one
// sentence each, such as "is empty"; none when it is sound.
std::vector<std::string> valueProblems(std::string_view value);

// Names record i of a file (counted from 0) in a message, e.g. "line 12".
using RecordNamer = std::function<std::string(int record)>;

// Every problem of the bytes of a verb file, one message each: "<record>:
// <what>" for a record, "<what>" for the file as a whole.
std::vector<std::string> verbFileProblems(std::string_view bytes, const RecordNamer& name);
