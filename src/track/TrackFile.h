// The ".trk" file: an 828-byte header holding a snapshot of the current fix and the
// track's names, 40-byte point records newest first, then the category blocks of the
// track's POIs (the records of the ".poi" file). Little-endian, packed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "track/GpsRouteInfo.h"
#include "track/GpsTrackInfo.h"

namespace rq {

inline constexpr std::uint32_t kTrackFileMagic = 0xF2D83716;
inline constexpr std::size_t kTrackHeaderSize = 828;
inline constexpr std::size_t kTrackPointSize = 40;

// Program folder + `folder` (created when missing) + `fileName`. Clear the track's and
// its POIs' modified marks on success. The file is written beside its destination and
// renamed over it, so a failed save leaves the old file whole.
bool SaveTrack(std::string_view folder, std::string_view fileName, CGpsTrackInfo& track);
// Replace the track's (route's) content with the file's. A missing file changes
// nothing; a bad one fails and leaves what was read before the fault, for the caller
// to clear.
bool LoadTrack(std::string_view folder, std::string_view fileName, CGpsTrackInfo& track);
bool LoadRoute(std::string_view folder, std::string_view fileName, CGpsRouteInfo& route);

// The same on a full path.
bool SaveTrackFile(const std::string& path, CGpsTrackInfo& track);
bool LoadTrackFile(const std::string& path, CGpsTrackInfo& track);
bool LoadRouteFile(const std::string& path, CGpsRouteInfo& route);
// Loading from bytes in memory (the fuzzer and the dump use it).
bool LoadTrackBytes(const std::uint8_t* data, std::size_t size, CGpsTrackInfo& track);

// The bytes SaveTrack writes.
std::vector<std::uint8_t> EncodeTrack(const CGpsTrackInfo& track);

// Program folder + folder + "/" + name.
std::string TrackPath(std::string_view folder, std::string_view fileName);

}  // namespace rq
