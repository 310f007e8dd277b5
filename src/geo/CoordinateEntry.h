// The decimal entry form of a coordinate (the POI edit dialog): each magnitude in a
// text box with eight decimals, each hemisphere in a drop-down list (latitude: 0
// "North", 1 "South"; longitude: 0 "East", 1 "West").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geo/Coordinate.h"
#include "resources/StringIds.h"

namespace rq {

// "%.8f" of the magnitude.
std::u16string EntryMagnitudeText(double value);
// 0 for values >= 0, else 1.
int EntryHemisphereIndex(double value);

struct CoordinateEntryResult {
    bool ok = false;
    CCoordinate coordinate;
    // The message to show, with the error icon, when !ok.
    std::optional<StringId> message;
};

// Reads the two texts as numbers, takes their magnitudes and negates those whose
// hemisphere index is 1. No range check, but a text that is no number, or reads as an
// infinity or NaN, refuses the entry.
CoordinateEntryResult ReadCoordinateEntry(std::u16string_view latitudeText, int latitudeIndex,
                                          std::u16string_view longitudeText, int longitudeIndex);

}  // namespace rq
