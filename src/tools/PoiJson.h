// JSON Lines of POI category blocks as they stand in a file, shared by the dumps of .poi
// and .trk files. Loading a collection changes what a file holds (it adds the default
// category and merges records of one name); a dump shows the records and says so.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "poi/ByteStream.h"

namespace rq::tool {

struct PoiRecord {
    std::u16string name;
    std::uint32_t type = 0;
    double lat = 0, lon = 0;
};

struct PoiBlock {
    std::u16string name;
    std::vector<PoiRecord> pois;
};

// Reads `count` category blocks in file order; false on a short read or a wrong magic.
bool ReadPoiBlocks(CByteSource& source, std::uint32_t count, std::vector<PoiBlock>& blocks);
// What loading the blocks into a collection would change, as sentences; empty when the
// collection would hold the records as they stand.
std::vector<std::string> PoiLoadChanges(const std::vector<PoiBlock>& blocks);
// A JSON array of texts.
std::string JsonTextArray(const std::vector<std::string>& texts);
// One line per category ("category", "pois") followed by one per POI of it.
void PrintPoiBlocks(const std::vector<PoiBlock>& blocks);

}  // namespace rq::tool
