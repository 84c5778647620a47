// Reads the expected files kept beside the tests.
#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace testing_support {

// The whole file, byte for byte; throws (failing the test) when it is missing.
inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace testing_support
