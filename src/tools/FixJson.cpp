#include "tools/FixJson.h"

#include "geo/Unset.h"
#include "keepers/PositionMessage.h"
#include "platform/FixTime.h"
#include "tools/Json.h"

namespace rq::tool {

namespace {

void Number(JsonLine& line, const char* name, double value) {
    if (IsUnset(value))
        line.Null(name);
    else
        line.Field(name, value);
}

}  // namespace

std::string FixToJson(const CGpsPosition& fix) {
    JsonLine line;
    if (fix.time == 0)
        line.Null("time");
    else
        line.Field("time",
                   platform::FormatCalendar("%Y-%m-%dT%H:%M:%S", platform::FixUtcFields(fix.time)));
    Number(line, "lat", fix.m_lat.value);
    Number(line, "lon", fix.m_lon.value);
    Number(line, "alt", fix.altitude);
    Number(line, "speed_kn", fix.speed);
    Number(line, "course", fix.course);
    Number(line, "course_mag", fix.courseMagnetic);
    Number(line, "hdop", fix.hdop);
    Number(line, "vdop", fix.vdop);
    Number(line, "pdop", fix.pdop);
    line.Field("fix_valid", fix.fixValid);
    line.Field("quality", fix.gpsQuality);
    line.Field("fix_mode", fix.fixMode);
    line.Field("sel_mode", fix.selectionMode);
    line.Field("sats_used", fix.satellitesUsed);
    line.Field("sats_view", fix.satellitesInView);
    line.Field("changed", fix.changedMask);
    std::string sats = "[";
    for (const CSatellite& s : fix.satellites) {
        if (s.prn <= 0) continue;
        JsonLine sat;
        sat.Field("prn", s.prn)
            .Field("el", s.elevation)
            .Field("az", s.azimuth)
            .Field("snr", s.snr)
            .Field("used", s.used != 0);
        if (sats.size() > 1) sats += ",";
        sats += sat.Str();
    }
    sats += "]";
    line.Raw("satellites", sats);
    return line.Str();
}

std::uintptr_t PrintPositionMessage(const platform::WindowMessage& message) {
    if (message.id != kMsgPosition) return 0;
    if (const CGpsPosition* fix = PositionOf(message)) {
        std::string text = FixToJson(*fix) + "\n";
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    } else if (message.wParam == kPositionSourceEnded) {
        JsonLine().Field("event", "ended").Print();
    } else if (message.wParam == kPositionConnectionLost) {
        JsonLine().Field("event", "connection-lost").Print();
    }
    return message.wParam;
}

}  // namespace rq::tool
