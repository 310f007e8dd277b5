// Runs the built roamquill-tool (or any shell command) and returns its standard output
// split into lines, for the tests that drive the tool.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace rq::tooltest {

inline const std::string kTool = RQ_BINARY_DIR "/roamquill-tool";

inline bool ToolBuilt() {
    return std::filesystem::exists(kTool);
}

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

// `environment` is a prefix of NAME=VALUE words; standard error is dropped.
inline std::vector<std::string> RunTool(const std::string& args, int& status,
                                        const std::string& environment = "") {
    return CommandOutputLines(environment + " '" + kTool + "' " + args + " 2>/dev/null", status);
}

// Whether the tool refuses `args` with a non-zero status.
inline bool Refused(const std::string& args, const std::string& environment = "") {
    int status = 0;
    RunTool(args, status, environment);
    return status != 0;
}

// The lines of tests/data/tools/`name`: a command's expected output, made by running it
// and checked by hand.
inline std::vector<std::string> ExpectedLines(const std::string& name) {
    std::vector<std::string> lines;
    std::ifstream in(RQ_SOURCE_DIR "/tests/data/tools/" + name);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The value of `key` in a one-line JSON object: a string without its quotes, or the
// text of a number or literal; empty when absent.
inline std::string JsonText(const std::string& line, const std::string& key) {
    const std::string k = "\"" + key + "\":";
    const std::size_t at = line.find(k);
    if (at == std::string::npos) return {};
    std::size_t begin = at + k.size(), end = begin;
    if (begin < line.size() && line[begin] == '"')
        end = line.find('"', ++begin);
    else
        while (end < line.size() && line[end] != ',' && line[end] != '}') ++end;
    return line.substr(begin, end - begin);
}

}  // namespace rq::tooltest
