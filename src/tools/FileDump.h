// The file kinds `roamquill-tool dump` knows. Each kind registers itself, from its own
// file, with a static FileDumpKind naming the file-name endings it reads.
#pragma once

#include <string>
#include <vector>

namespace rq::tool {

// Prints the file as JSON Lines; returns the exit status.
using FileDumper = int (*)(const std::string& path);

class FileDumpKind {
public:
    // `suffix` is compared without regard to ASCII case ("*.trk", or a whole name such
    // as "friends.ini").
    FileDumpKind(const char* suffix, FileDumper dump);
};

struct FileDumpEntry {
    std::string suffix;
    FileDumper dump;
};
const std::vector<FileDumpEntry>& FileDumpKinds();

}  // namespace rq::tool
