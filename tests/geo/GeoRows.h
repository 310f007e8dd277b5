// Tables of the geodesy tests under tests/data/geo: whitespace-separated fields, one
// row a line, '#' comments and blank lines left out; a missing table fails the test.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace rq::geotest {

inline std::vector<std::string> GeoRows(const std::string& name) {
    std::vector<std::string> rows;
    std::ifstream in(RQ_SOURCE_DIR "/tests/data/geo/" + name);
    for (std::string line; std::getline(in, line);)
        if (line.find_first_not_of(" \t") != std::string::npos && line[0] != '#')
            rows.push_back(line);
    EXPECT_FALSE(rows.empty()) << "no rows in " << name;
    return rows;
}

}  // namespace rq::geotest
