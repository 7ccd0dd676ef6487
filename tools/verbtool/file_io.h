// Whole files as bytes, with the tool's messages when that fails.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// The bytes of the file, or none after a message on err.
std::optional<std::string> readFileBytes(const std::string& path, std::ostream& err);

// Replaces the file with the bytes. false after a message on err.
bool writeFileBytes(const std::string& path, std::string_view bytes, std::ostream& err);
