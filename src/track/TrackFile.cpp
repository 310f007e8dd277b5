#include "track/TrackFile.h"

#include <algorithm>

#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "platform/MessageBox.h"
#include "poi/ByteStream.h"
#include "poi/PoiRecords.h"

namespace rq {

using namespace platform;

namespace {

// Header offsets.
constexpr std::size_t kShortName = 4;
constexpr std::size_t kShortNameUnits = 11;
constexpr std::size_t kShortNameMax = 10;
constexpr std::size_t kOwner = 26;
constexpr std::size_t kOwnerUnits = 128;
constexpr std::size_t kOwnerMax = 127;
constexpr std::size_t kLat = 282;
constexpr std::size_t kLon = 290;
constexpr std::size_t kAltitude = 298;
constexpr std::size_t kCourse = 302;
constexpr std::size_t kSpeed = 306;
constexpr std::size_t kHdop = 310;
constexpr std::size_t kVdop = 314;
constexpr std::size_t kPdop = 318;
constexpr std::size_t kMagCourse = 322;
constexpr std::size_t kSatsInView = 326;
constexpr std::size_t kSatsUsed = 327;
constexpr std::size_t kFixMode = 328;
constexpr std::size_t kSelMode = 332;
constexpr std::size_t kQuality = 336;
constexpr std::size_t kSatellites = 340;
constexpr std::size_t kSatelliteSize = 20;
constexpr std::size_t kPointCount = 820;
constexpr std::size_t kCategoryCount = 824;

constexpr std::size_t kChunkRecords = 1024;  // point records read at once

void EncodeHeader(const CGpsTrackInfo& track, std::uint8_t* h) {
    const CGpsPosition& fix = track.fix;
    PutU32(h, kTrackFileMagic);
    PutText(h + kShortName, kShortNameUnits, kShortNameMax, track.shortName);
    PutText(h + kOwner, kOwnerUnits, kOwnerMax, track.ownerId);
    PutF64(h + kLat, fix.m_lat.value);
    PutF64(h + kLon, fix.m_lon.value);
    PutF32(h + kAltitude, static_cast<float>(fix.altitude));
    PutF32(h + kCourse, static_cast<float>(fix.course));
    PutF32(h + kSpeed, static_cast<float>(fix.speed));
    PutF32(h + kHdop, static_cast<float>(fix.hdop));
    PutF32(h + kVdop, static_cast<float>(fix.vdop));
    PutF32(h + kPdop, static_cast<float>(fix.pdop));
    PutF32(h + kMagCourse, static_cast<float>(fix.courseMagnetic));
    h[kSatsInView] = static_cast<std::uint8_t>(fix.satellitesInView);
    h[kSatsUsed] = static_cast<std::uint8_t>(fix.satellitesUsed);
    PutU32(h + kFixMode, static_cast<std::uint32_t>(fix.fixMode));
    PutU32(h + kSelMode, static_cast<std::uint32_t>(fix.selectionMode));
    PutU32(h + kQuality, static_cast<std::uint32_t>(fix.gpsQuality));
    for (std::size_t i = 0; i < static_cast<std::size_t>(CGpsPosition::kSatelliteCount); ++i) {
        const CSatellite& s = fix.satellites[i];
        std::uint8_t* at = h + kSatellites + i * kSatelliteSize;
        PutU32(at, static_cast<std::uint32_t>(s.used));
        PutU32(at + 4, static_cast<std::uint32_t>(s.prn));
        PutU32(at + 8, static_cast<std::uint32_t>(s.elevation));
        PutU32(at + 12, static_cast<std::uint32_t>(s.azimuth));
        PutU32(at + 16, static_cast<std::uint32_t>(s.snr));
    }
    PutU32(h + kPointCount, static_cast<std::uint32_t>(track.GetCount()));
    PutU32(h + kCategoryCount, static_cast<std::uint32_t>(track.pois.GetCount()));
}

void DecodeHeaderInto(const std::uint8_t* h, CGpsTrackInfo& track) {
    CGpsPosition& fix = track.fix;
    track.shortName = GetText(h + kShortName, kShortNameUnits);
    track.ownerId = GetText(h + kOwner, kOwnerUnits);
    fix.m_lat.Set(GetF64(h + kLat));
    fix.m_lon.Set(GetF64(h + kLon));
    fix.altitude = GetF32(h + kAltitude);
    fix.course = GetF32(h + kCourse);
    fix.speed = GetF32(h + kSpeed);
    fix.hdop = GetF32(h + kHdop);
    fix.vdop = GetF32(h + kVdop);
    fix.pdop = GetF32(h + kPdop);
    fix.courseMagnetic = GetF32(h + kMagCourse);
    fix.satellitesInView = h[kSatsInView];
    fix.satellitesUsed = h[kSatsUsed];
    fix.fixMode = static_cast<std::int32_t>(GetU32(h + kFixMode));
    fix.selectionMode = static_cast<std::int32_t>(GetU32(h + kSelMode));
    fix.gpsQuality = static_cast<std::int32_t>(GetU32(h + kQuality));
    for (std::size_t i = 0; i < static_cast<std::size_t>(CGpsPosition::kSatelliteCount); ++i) {
        CSatellite& s = fix.satellites[i];
        const std::uint8_t* at = h + kSatellites + i * kSatelliteSize;
        s.used = static_cast<std::int32_t>(GetU32(at));
        s.prn = static_cast<std::int32_t>(GetU32(at + 4));
        s.elevation = static_cast<std::int32_t>(GetU32(at + 8));
        s.azimuth = static_cast<std::int32_t>(GetU32(at + 12));
        s.snr = static_cast<std::int32_t>(GetU32(at + 16));
    }
}

void EncodePoint(const CGpsTrackCoordinate& p, std::uint8_t* r) {
    PutF64(r, p.m_lat.value);
    PutF64(r + 8, p.m_lon.value);
    PutU32(r + 16, p.milestone);
    PutF64(r + 20, p.distance);
    PutF64(r + 28, p.course);
    PutU32(r + 36, p.timeKey);
}

// The fields after the coordinate.
void DecodePointInto(const std::uint8_t* r, CGpsTrackCoordinate& p) {
    p.milestone = GetU32(r + 16);
    p.distance = GetF64(r + 20);
    p.course = GetF64(r + 28);
    p.timeKey = GetU32(r + 36);
}

// Reads the header, the points and the category blocks into `track` and `pois`;
// `info` receives the header's fix and names when given. Room is made only for the
// points the source holds, so counts that promise more cost nothing up front.
bool ReadTrack(CByteSource& source, CGpsTrack& track, CPoiCollection& pois, CGpsTrackInfo* info) {
    std::uint8_t header[kTrackHeaderSize];
    if (!source.Read(header, sizeof header) || GetU32(header) != kTrackFileMagic) return false;
    if (info) DecodeHeaderInto(header, *info);
    const std::uint32_t points = GetU32(header + kPointCount);
    const std::uint32_t categories = GetU32(header + kCategoryCount);
    // As many records at a time as the source still holds (asked once), so a short
    // file fails at the same record as one read at a time would, with the records
    // before it loaded.
    std::size_t available = source.Remaining();
    track.ReserveTail(std::min<std::size_t>(points, available / kTrackPointSize));
    std::uint8_t chunk[kChunkRecords * kTrackPointSize];
    for (std::size_t left = points; left > 0;) {
        const std::size_t n =
            std::max<std::size_t>(1, std::min({left, kChunkRecords, available / kTrackPointSize}));
        if (!source.Read(chunk, n * kTrackPointSize)) return false;
        available -= std::min(available, n * kTrackPointSize);
        // Each slot is written field by field from the record; the extent of the chunk
        // widens the bounds once.
        const bool first = track.IsEmpty();
        const std::span<CGpsTrackCoordinate> slots = track.AppendTailSlots(n);
        double north = GetF64(chunk), south = north;
        double west = GetF64(chunk + 8), east = west;
        const std::uint8_t* r = chunk;
        for (CGpsTrackCoordinate& p : slots) {
            const double lat = GetF64(r), lon = GetF64(r + 8);
            p.m_lat.value = lat;
            p.m_lon.value = lon;
            p.lonScale = 0;
            DecodePointInto(r, p);
            north = std::max(north, lat);
            south = std::min(south, lat);
            west = std::min(west, lon);
            east = std::max(east, lon);
            r += kTrackPointSize;
        }
        track.IncludeInBounds(north, south, west, east, first);
        left -= n;
    }
    for (std::uint32_t i = 0; i < categories; ++i)
        if (!ReadCategoryBlock(source, pois)) return false;
    track.SetModified(false);
    pois.SetModified(false, true);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeTrack(const CGpsTrackInfo& track) {
    std::vector<std::uint8_t> bytes(kTrackHeaderSize + track.GetCount() * kTrackPointSize, 0);
    EncodeHeader(track, bytes.data());
    std::uint8_t* at = bytes.data() + kTrackHeaderSize;
    for (const CGpsTrackCoordinate& p : track.Points()) {
        EncodePoint(p, at);
        at += kTrackPointSize;
    }
    CMemorySink sink;
    sink.bytes = std::move(bytes);
    for (const auto& category : track.pois.Categories()) WriteCategoryBlock(sink, *category);
    return std::move(sink.bytes);
}

std::string TrackPath(std::string_view folder, std::string_view fileName) {
    return JoinPath(JoinPath(ProgramFolder(), std::string(folder)), std::string(fileName));
}

bool SaveTrackFile(const std::string& path, CGpsTrackInfo& track) {
    const std::vector<std::uint8_t> bytes = EncodeTrack(track);
    AtomicFileWriter writer(path);
    if (!writer.IsOpen() || !writer.Write(bytes.data(), bytes.size()) || !writer.Commit())
        return false;
    track.SetModified(false);
    track.pois.SetModified(false, true);
    return true;
}

bool LoadTrackFile(const std::string& path, CGpsTrackInfo& track) {
    CFileSource source(path);
    if (!source.IsOpen()) return false;
    track.Clear();
    return ReadTrack(source, track, track.pois, &track);
}

bool LoadRouteFile(const std::string& path, CGpsRouteInfo& route) {
    CFileSource source(path);
    if (!source.IsOpen()) return false;
    ClearRoute(route);
    return ReadTrack(source, route, route.pois, nullptr);
}

bool LoadTrackBytes(const std::uint8_t* data, std::size_t size, CGpsTrackInfo& track) {
    CMemorySource source(data, size);
    track.Clear();
    return ReadTrack(source, track, track.pois, &track);
}

bool SaveTrack(std::string_view folder, std::string_view fileName, CGpsTrackInfo& track) {
    WaitCursor wait;
    const std::string folderPath = JoinPath(ProgramFolder(), std::string(folder));
    if (!PathExists(folderPath)) CreateFolder(folderPath);
    return SaveTrackFile(TrackPath(folder, fileName), track);
}

bool LoadTrack(std::string_view folder, std::string_view fileName, CGpsTrackInfo& track) {
    WaitCursor wait;
    return LoadTrackFile(TrackPath(folder, fileName), track);
}

bool LoadRoute(std::string_view folder, std::string_view fileName, CGpsRouteInfo& route) {
    WaitCursor wait;
    return LoadRouteFile(TrackPath(folder, fileName), route);
}

}  // namespace rq
