// Helpers for the NMEA tests: sentences are written as ASCII literals, tables of them
// live under tests/data/.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace rq::test {

inline std::u16string Line(std::string_view ascii) {
    return platform::Widen(ascii);
}
// The line as the keepers pass it, with CR LF.
inline std::u16string Crlf(std::string_view ascii) {
    return platform::Widen(ascii) + u"\r\n";
}

// The tab-separated rows of tests/data/`name`, without blank lines and '#' comments; a
// missing table fails the test.
inline std::vector<std::vector<std::string>> DataRows(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(RQ_SOURCE_DIR "/tests/data/" + name);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        rows.emplace_back(1);
        for (char c : line) {
            if (c == '\t')
                rows.back().emplace_back();
            else
                rows.back().back().push_back(c);
        }
    }
    EXPECT_FALSE(rows.empty()) << "no rows in " << name;
    return rows;
}

}  // namespace rq::test
