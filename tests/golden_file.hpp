// Reads the expected files kept beside the tests.
#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

// The whole file, byte for byte; throws (failing the test) when it is missing.
inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The case names of golden/cases.txt: the first word of each line that is
// neither empty nor a comment.
inline std::vector<std::string> goldenCaseNames(const std::string& directory) {
    std::istringstream table(readFile(directory + "/cases.txt"));
    std::vector<std::string> names;
    for (std::string line; std::getline(table, line);) {
        std::istringstream words(line);
        std::string name;
        if (words >> name && name.front() != '#') {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace testing_support
