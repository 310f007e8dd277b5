#include "track/GpxExport.h"

#include <cstdio>

#include "platform/Text.h"

namespace rq {

namespace {

// GPX latitudes lie in [-90, 90] and longitudes in [-180, 180): points outside cannot
// be written as they are; the longitude 180 is the same meridian as -180.
bool GpxPosition(const CCoordinate& at, double& lat, double& lon) {
    if (!at.IsValid()) return false;
    lat = at.m_lat.value;
    lon = at.m_lon.value == 180.0 ? -180.0 : at.m_lon.value;
    return true;
}

std::string LatLon(double lat, double lon) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "lat=\"%.9f\" lon=\"%.9f\"", lat, lon);
    return buffer;
}

void Waypoint(std::string& out, const CCoordinate& at, const std::string& name,
              const std::string& desc, const char* type) {
    double lat, lon;
    if (!GpxPosition(at, lat, lon)) return;
    out += "  <wpt " + LatLon(lat, lon) + ">\n";
    out += "    <name>" + name + "</name>\n";
    if (!desc.empty()) out += "    <desc>" + desc + "</desc>\n";
    out += "    <type>" + std::string(type) + "</type>\n";
    out += "  </wpt>\n";
}

}  // namespace

std::string XmlEscape(std::u16string_view text) {
    std::u16string clean;
    clean.reserve(text.size());
    for (char16_t c : text) {
        // XML 1.0 has no form for most control characters.
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') continue;
        if (c == 0xFFFE || c == 0xFFFF) continue;
        clean.push_back(c);
    }
    std::string out;
    for (char c : platform::ToUtf8(clean)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string MakeGpx(const CGpsTrackInfo& track, std::string_view name) {
    std::u16string title = !track.shortName.empty() ? track.shortName : track.ownerId;
    const std::string trackName =
        title.empty() ? XmlEscape(platform::FromUtf8(name)) : XmlEscape(title);
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"roamquill-tool\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
        "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n";
    out += "  <metadata>\n    <name>" + trackName + "</name>\n";
    if (!track.IsEmpty()) {
        const CDoubleRect b = track.GetBounds();
        const CCoordinate low(b.bottom, b.left), high(b.top, b.right);
        if (low.IsValid() && high.IsValid() && b.right < 180.0) {
            char buffer[160];
            std::snprintf(buffer, sizeof buffer,
                          "    <bounds minlat=\"%.9f\" minlon=\"%.9f\" maxlat=\"%.9f\" "
                          "maxlon=\"%.9f\"/>\n",
                          b.bottom, b.left, b.top, b.right);
            out += buffer;
        }
    }
    out += "  </metadata>\n";

    // Milestones oldest first, numbered as they were set.
    const auto points = track.Points();
    int number = 0;
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        if (!it->milestone) continue;
        char distance[64];
        std::snprintf(distance, sizeof distance, "%.1f m", it->distance);
        Waypoint(out, *it, "Milestone " + std::to_string(++number), distance, "milestone");
    }
    for (const auto& category : track.pois.Categories())
        for (const auto& poi : category->Pois())
            Waypoint(out, *poi, XmlEscape(poi->name), "", XmlEscape(category->name).c_str());

    out += "  <trk>\n    <name>" + trackName + "</name>\n    <trkseg>\n";
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        double lat, lon;
        if (GpxPosition(*it, lat, lon)) out += "      <trkpt " + LatLon(lat, lon) + "/>\n";
    }
    out += "    </trkseg>\n  </trk>\n</gpx>\n";
    return out;
}

}  // namespace rq
