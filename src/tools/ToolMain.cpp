#include <cstdio>
#include <cstring>

#include "tools/ToolCommand.h"

namespace rq::tool {

namespace {
std::vector<ToolCommandInfo>& Table() {
    static std::vector<ToolCommandInfo> table;
    return table;
}

void PrintHelp(std::FILE* out) {
    std::fprintf(
        out,
        "usage: roamquill-tool COMMAND [ARGS]\n\nOutput is JSON Lines on standard output.\n\n");
    for (const ToolCommandInfo& c : ToolCommands())
        std::fprintf(out, "  %s %s\n      %s\n", c.name, c.usage, c.summary);
}
}  // namespace

ToolCommand::ToolCommand(const char* name, const char* usage, const char* summary, ToolMain run) {
    Table().push_back({name, usage, summary, run});
}

const std::vector<ToolCommandInfo>& ToolCommands() {
    return Table();
}

int UsageError(const char* name, const std::string& message) {
    std::fprintf(stderr, "roamquill-tool %s: %s\n", name, message.c_str());
    return 2;
}

}  // namespace rq::tool

int main(int argc, char** argv) {
    using namespace rq::tool;
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintHelp(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (const ToolCommandInfo& c : ToolCommands()) {
        if (std::strcmp(c.name, argv[1]) == 0) {
            std::vector<std::string> args(argv + 2, argv + argc);
            return c.run(args);
        }
    }
    std::fprintf(stderr, "roamquill-tool: unknown command '%s'\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
