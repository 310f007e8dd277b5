#include "geo/CoordinateEntry.h"

#include <cmath>

#include "geo/NumberText.h"

namespace rq {

namespace {

bool ReadMagnitude(std::u16string_view text, int hemisphereIndex, double& out) {
    double v = 0;
    if (!ReadDouble(text, v) || !std::isfinite(v)) return false;
    v = std::fabs(v);
    out = hemisphereIndex == 1 ? -v : v;
    return true;
}

}  // namespace

std::u16string EntryMagnitudeText(double value) {
    return FixedText16(std::fabs(value), 8);
}

int EntryHemisphereIndex(double value) {
    return value >= 0 ? 0 : 1;
}

CoordinateEntryResult ReadCoordinateEntry(std::u16string_view latitudeText, int latitudeIndex,
                                          std::u16string_view longitudeText, int longitudeIndex) {
    CoordinateEntryResult result;
    double lat = 0;
    double lon = 0;
    if (!ReadMagnitude(latitudeText, latitudeIndex, lat) ||
        !ReadMagnitude(longitudeText, longitudeIndex, lon)) {
        result.message = StringId::YouHaveEnteredAnInvalidCoordinate;
        return result;
    }
    result.ok = true;
    result.coordinate = CCoordinate(lat, lon);
    return result;
}

}  // namespace rq
