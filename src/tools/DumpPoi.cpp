// The ".poi" kind of roamquill-tool dump: the records as they stand in the file, in file
// order, and what loading them would change.
#include <cstdio>
#include <vector>

#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "poi/ByteStream.h"
#include "poi/PoiRecords.h"
#include "tools/FileDump.h"
#include "tools/Json.h"
#include "tools/PoiJson.h"

namespace rq::tool {

namespace {

int DumpPoi(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (platform::IsDirectory(path) || !platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "roamquill-tool dump: cannot read %s\n", path.c_str());
        return 1;
    }
    CMemorySource source(bytes.data(), bytes.size());
    std::uint8_t header[kPoiFileHeaderSize];
    std::vector<PoiBlock> blocks;
    if (!source.Read(header, sizeof header) || platform::GetU32(header) != kPoiFileMagic ||
        !ReadPoiBlocks(source, platform::GetU32(header + 4), blocks)) {
        std::fprintf(stderr, "roamquill-tool dump: %s is not a whole POI file\n", path.c_str());
        return 1;
    }
    std::vector<std::string> changes = PoiLoadChanges(blocks);
    if (source.Remaining() > 0)
        changes.push_back("ignores the " + std::to_string(source.Remaining()) +
                          " bytes after the last record");
    JsonLine line;
    line.Field("kind", "poi").Field("categories", static_cast<std::int64_t>(blocks.size()));
    line.Raw("load_changes", JsonTextArray(changes));
    line.Print();
    PrintPoiBlocks(blocks);
    return 0;
}

const FileDumpKind kPoi(".poi", DumpPoi);

}  // namespace

}  // namespace rq::tool
