// Rows of test cases kept in text files under tests/data/: one case a line, fields
// separated by '|' (or another separator, such as a tab), blank lines and lines starting
// with '#' skipped; a table without rows fails the test. Fields are taken as written, so
// a blank at either end counts; escapes: \\ \| \n \r \t \xNN (a byte) and \uXXXX (a
// character, written as UTF-8).
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace rq::test {

inline std::string UnescapeField(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        const char c = text[++i];
        const std::size_t control = std::string_view("nrt").find(c);
        if (control != std::string_view::npos)
            out.push_back("\n\r\t"[control]);
        else if (c == 'x' || c == 'u') {
            const std::size_t digits = c == 'x' ? 2 : 4;
            const unsigned long v = std::stoul(text.substr(i + 1, digits), nullptr, 16);
            i += digits;
            if (c == 'x')
                out.push_back(static_cast<char>(v));
            else
                out += platform::ToUtf8(std::u16string(1, static_cast<char16_t>(v)));
        } else
            out.push_back(c);
    }
    return out;
}

// The rows of tests/data/`name`.
inline std::vector<std::vector<std::string>> CaseTable(const std::string& name,
                                                       char separator = '|') {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(std::string(RQ_SOURCE_DIR "/tests/data/") + name);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == separator) {
                fields.emplace_back();
            } else {
                if (line[i] == '\\' && i + 1 < line.size()) fields.back().push_back(line[i++]);
                fields.back().push_back(line[i]);
            }
        }
        for (std::string& field : fields) field = UnescapeField(field);
        rows.push_back(fields);
    }
    EXPECT_FALSE(rows.empty()) << "no rows in " << name;
    return rows;
}

}  // namespace rq::test
