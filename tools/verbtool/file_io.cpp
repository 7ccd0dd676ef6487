#include "file_io.h"

#include <fstream>
#include <iterator>

std::optional<std::string> readFileBytes(const std::string& path, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || file.bad()) {
        err << "verbtool: cannot read " << path << '\n';
        return std::nullopt;
    }
    return bytes;
}

bool writeFileBytes(const std::string& path, std::string_view bytes, std::ostream& err) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file.fail()) {
        err << "verbtool: cannot write " << path << '\n';
        return false;
    }
    return true;
}
