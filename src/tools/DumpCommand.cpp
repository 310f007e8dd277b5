// roamquill-tool dump FILE: dispatches on the file-name ending to the kind's dumper.
#include <algorithm>
#include <cctype>

#include "tools/FileDump.h"
#include "tools/ToolCommand.h"

namespace rq::tool {

namespace {

std::vector<FileDumpEntry>& Kinds() {
    static std::vector<FileDumpEntry> kinds;
    return kinds;
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (suffix.size() > text.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

int Dump(const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError("dump", "expected one FILE");
    const std::string& path = args[0];
    for (const FileDumpEntry& kind : FileDumpKinds())
        if (EndsWithNoCase(path, kind.suffix)) return kind.dump(path);
    std::string known;
    for (const FileDumpEntry& kind : FileDumpKinds()) known += " " + kind.suffix;
    return UsageError("dump", "unknown file kind (known:" + known + ")");
}

const ToolCommand kDump("dump", "FILE", "print a .trk or .poi file (and other data files) as JSON",
                        Dump);

}  // namespace

FileDumpKind::FileDumpKind(const char* suffix, FileDumper dump) {
    Kinds().push_back({suffix, dump});
}

const std::vector<FileDumpEntry>& FileDumpKinds() {
    return Kinds();
}

}  // namespace rq::tool
