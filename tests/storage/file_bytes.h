// The bytes of a file as the tests compare them.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace quintaro::test {

// The whole contents of the file at path; empty when there is none.
inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace quintaro::test
