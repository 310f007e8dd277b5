// The ".trk" and ".tk" kinds of roamquill-tool dump: the header's every field, then one
// line per point, then the category and POI records as they stand in the file.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "poi/ByteStream.h"
#include "tools/FileDump.h"
#include "tools/Json.h"
#include "tools/PoiJson.h"
#include "track/TrackFile.h"

namespace rq::tool {

namespace {

std::string SatellitesJson(const CGpsPosition& fix) {
    std::string out = "[";
    for (int i = 0; i < CGpsPosition::kSatelliteCount; ++i) {
        const CSatellite& s = fix.satellites[i];
        JsonLine line;
        line.Field("used", s.used).Field("prn", s.prn).Field("el", s.elevation);
        line.Field("az", s.azimuth).Field("snr", s.snr);
        out += (i ? "," : "") + line.Str();
    }
    return out + "]";
}

int DumpTrack(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "roamquill-tool dump: cannot read %s\n", path.c_str());
        return 1;
    }
    CGpsTrackInfo track;
    std::vector<PoiBlock> blocks;
    const bool whole = LoadTrackBytes(bytes.data(), bytes.size(), track);
    // The category blocks again, as they stand after the points of a whole file.
    const std::size_t blocksAt = whole ? kTrackHeaderSize + track.GetCount() * kTrackPointSize : 0;
    CMemorySource source(bytes.data() + blocksAt, bytes.size() - blocksAt);
    if (!whole || !ReadPoiBlocks(source, platform::GetU32(bytes.data() + 824), blocks)) {
        std::fprintf(stderr, "roamquill-tool dump: %s is not a whole track file\n", path.c_str());
        return 1;
    }
    std::vector<std::string> changes = PoiLoadChanges(blocks);
    if (source.Remaining() > 0)
        changes.push_back("ignores the " + std::to_string(source.Remaining()) +
                          " bytes after the last record");
    const CGpsPosition& f = track.fix;
    JsonLine header;
    header.Field("kind", "trk")
        .Field("magic", static_cast<std::int64_t>(platform::GetU32(bytes.data())));
    header.Field("short_name", track.shortName).Field("owner", track.ownerId);
    header.Field("lat", f.m_lat.value).Field("lon", f.m_lon.value).Field("alt", f.altitude);
    header.Field("course", f.course).Field("speed_kn", f.speed);
    header.Field("hdop", f.hdop).Field("vdop", f.vdop).Field("pdop", f.pdop);
    header.Field("course_mag", f.courseMagnetic);
    header.Field("sats_view", f.satellitesInView).Field("sats_used", f.satellitesUsed);
    header.Field("fix_mode", f.fixMode).Field("sel_mode", f.selectionMode);
    header.Field("quality", f.gpsQuality);
    header.Raw("satellites", SatellitesJson(f));
    header.Field("points", static_cast<std::int64_t>(platform::GetU32(bytes.data() + 820)));
    header.Field("categories", static_cast<std::int64_t>(platform::GetU32(bytes.data() + 824)));
    header.Raw("load_changes", JsonTextArray(changes));
    header.Print();
    std::int64_t index = 0;
    for (const CGpsTrackCoordinate& p : track.Points()) {
        JsonLine line;
        line.Field("point", index++).Field("lat", p.m_lat.value).Field("lon", p.m_lon.value);
        line.Field("milestone", p.milestone).Field("distance", p.distance);
        line.Field("course", p.course).Field("time_key", p.timeKey);
        line.Print();
    }
    PrintPoiBlocks(blocks);
    return 0;
}

const FileDumpKind kTrk(".trk", DumpTrack);
const FileDumpKind kTk(".tk", DumpTrack);

}  // namespace

}  // namespace rq::tool
