#include "tools/PoiJson.h"

#include <algorithm>

#include "app/StringTable.h"
#include "platform/LittleEndian.h"
#include "platform/Text.h"
#include "poi/PoiRecords.h"
#include "tools/Json.h"

namespace rq::tool {

namespace {
}

bool ReadPoiBlocks(CByteSource& source, std::uint32_t count, std::vector<PoiBlock>& blocks) {
    for (std::uint32_t c = 0; c < count; ++c) {
        std::uint8_t record[kPoiCategoryRecordSize];
        if (!source.Read(record, sizeof record)) return false;
        if (platform::GetU32(record) != kPoiCategoryMagic) return false;
        PoiBlock block;
        block.name = platform::GetText(record + 4, kPoiNameUnits);
        const std::uint32_t poiCount = platform::GetU32(record + 260);
        for (std::uint32_t i = 0; i < poiCount; ++i) {
            std::uint8_t poi[kPoiRecordSize];
            if (!source.Read(poi, sizeof poi)) return false;
            block.pois.push_back({platform::GetText(poi, kPoiNameUnits),
                                  platform::GetU32(poi + 256), platform::GetF64(poi + 260),
                                  platform::GetF64(poi + 268)});
        }
        blocks.push_back(std::move(block));
    }
    return true;
}

std::vector<std::string> PoiLoadChanges(const std::vector<PoiBlock>& blocks) {
    std::vector<std::string> changes;
    const std::u16string general = LoadResourceString(StringId::General);
    const std::string quotedGeneral = "\"" + platform::ToUtf8(general) + "\"";
    auto isGeneral = [&](const PoiBlock& b) { return b.name == general; };
    const auto first = std::find_if(blocks.begin(), blocks.end(), isGeneral);
    if (first == blocks.end())
        changes.push_back("adds the empty category " + quotedGeneral + " first");
    else if (first != blocks.begin())
        changes.push_back("moves category " + quotedGeneral + " first");
    // Every record joins the first category of its name.
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const auto same = [&](const PoiBlock& b) { return b.name == blocks[i].name; };
        if (std::find_if(blocks.begin(), blocks.begin() + i, same) != blocks.begin() + i) continue;
        const auto records = std::count_if(blocks.begin() + i, blocks.end(), same);
        if (records > 1)
            changes.push_back("merges the " + std::to_string(records) + " records of category \"" +
                              platform::ToUtf8(blocks[i].name) + "\" into one");
    }
    return changes;
}

std::string JsonTextArray(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (const std::string& text : texts) out += (out.size() > 1 ? "," : "") + JsonQuote(text);
    return out + "]";
}

void PrintPoiBlocks(const std::vector<PoiBlock>& blocks) {
    for (const PoiBlock& block : blocks) {
        JsonLine line;
        line.Field("category", block.name)
            .Field("pois", static_cast<std::int64_t>(block.pois.size()));
        line.Print();
        for (const PoiRecord& poi : block.pois) {
            JsonLine p;
            p.Field("poi", poi.name).Field("category", block.name).Field("type", poi.type);
            p.Field("lat", poi.lat).Field("lon", poi.lon);
            p.Print();
        }
    }
}

}  // namespace rq::tool
