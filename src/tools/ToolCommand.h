// roamquill-tool sub-commands. Each sub-command lives in its own file and registers
// itself with a static ToolCommand object; main dispatches on the first argument.
#pragma once

#include <string>
#include <vector>

namespace rq::tool {

using ToolMain = int (*)(const std::vector<std::string>& args);

class ToolCommand {
public:
    // `usage` is one line: the arguments after the sub-command's name.
    ToolCommand(const char* name, const char* usage, const char* summary, ToolMain run);
};

struct ToolCommandInfo {
    const char* name;
    const char* usage;
    const char* summary;
    ToolMain run;
};
const std::vector<ToolCommandInfo>& ToolCommands();

// Prints "roamquill-tool NAME: MESSAGE" to standard error and returns 2, the exit
// status of a usage error.
int UsageError(const char* name, const std::string& message);

}  // namespace rq::tool
