// Icons drawn by the controls, by id; the front end maps each to its picture.
#pragma once
#include <cstdint>
namespace rq {
enum class IconId : std::uint16_t {
    PoiTypeFirst = 0,          // POI type t (0..33) is PoiTypeFirst + t
    PoiTypeLast = 33,
    MessageMarker = 100,       // 13 x 11
    Recording = 101,           // 28 x 16
    Playback = 102,            // 12 x 16
};
inline IconId PoiTypeIcon(int type) { return static_cast<IconId>(static_cast<int>(IconId::PoiTypeFirst) + type); }
}  // namespace rq
