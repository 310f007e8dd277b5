// Runs a shell command and returns its standard output split into lines, for the tests
// that drive the built roamquill-tool.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace rq::tooltest {

inline std::vector<std::string> CommandOutputLines(const std::string& command, int& status) {
    std::vector<std::string> lines;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return lines;
    std::string line;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    status = pclose(pipe);
    return lines;
}

}  // namespace rq::tooltest
