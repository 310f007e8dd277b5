// roamquill-tool gpx FILE.trk [-o FILE.gpx]: the track as GPX 1.1.
#include <cstdio>

#include "platform/Files.h"
#include "tools/ToolCommand.h"
#include "track/GpxExport.h"
#include "track/TrackFile.h"

namespace rq::tool {

namespace {

int Gpx(const std::vector<std::string>& args) {
    std::string input, output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (input.empty() && args[i].rfind("-", 0) != 0)
            input = args[i];
        else
            return UsageError("gpx", "unexpected argument '" + args[i] + "'");
    }
    if (input.empty()) return UsageError("gpx", "expected FILE.trk");
    CGpsTrackInfo track;
    if (!LoadTrackFile(input, track)) {
        std::fprintf(stderr, "roamquill-tool gpx: cannot load track %s\n", input.c_str());
        return 1;
    }
    std::string name = input.substr(input.find_last_of('/') + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".trk") == 0)
        name.resize(name.size() - 4);
    const std::string gpx = MakeGpx(track, name);
    if (output.empty()) {
        std::fwrite(gpx.data(), 1, gpx.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (!platform::WriteFileAtomically(output, gpx.data(), gpx.size())) {
        std::fprintf(stderr, "roamquill-tool gpx: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}

const ToolCommand kGpx("gpx", "FILE.trk [-o FILE.gpx]",
                       "GPX 1.1 of a track: points oldest first, milestones and POIs as waypoints",
                       Gpx);

}  // namespace

}  // namespace rq::tool
