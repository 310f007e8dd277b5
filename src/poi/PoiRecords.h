// The packed little-endian records of POI categories and POIs, shared by the .poi file
// and the POI blocks of .trk files.
//
// Category record, 264 bytes: u32 magic 0x12345678, name in 128 UTF-16 units, u32
// count of the POI records that follow at once. POI record, 276 bytes: name in 128
// UTF-16 units, u32 type, f64 latitude at offset 260, f64 longitude at 268 (not
// 8-aligned, copied as raw bytes). Names keep at most 127 units and the rest of each
// field is zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "poi/ByteStream.h"
#include "poi/PoiCollection.h"

namespace rq {

inline constexpr std::uint32_t kPoiFileMagic = 0xA82ECD01u;
inline constexpr std::uint32_t kPoiCategoryMagic = 0x12345678u;
inline constexpr std::size_t kPoiFileHeaderSize = 8;
inline constexpr std::size_t kPoiCategoryRecordSize = 264;
inline constexpr std::size_t kPoiRecordSize = 276;
inline constexpr std::size_t kPoiNameUnits = 128;
inline constexpr std::size_t kPoiNameMaxUnits = 127;

// The first 127 units of a name, one less when the cut would split a surrogate pair.
std::u16string_view StoredPoiName(std::u16string_view name);

void EncodeCategoryRecord(std::uint8_t* out, const std::u16string& name, std::uint32_t poiCount);
void EncodePoiRecord(std::uint8_t* out, const CPoi& poi);

// The category record followed by one record per POI. Flags are left alone: the
// caller clears them once the whole file is safely written.
bool WriteCategoryBlock(CByteSink& sink, const CPoiCategory& category);

// Reads one category record and its POIs into `collection`: into the first category
// of the same name, or a new one appended. False on a short read or a wrong record
// magic, with whatever was read so far left in place (the caller clears). On success
// that category's modified flag is cleared. Nothing is reserved for the counts a file
// announces; a lying count fails at the first short read.
bool ReadCategoryBlock(CByteSource& source, CPoiCollection& collection);

}  // namespace rq
