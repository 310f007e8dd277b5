// roamquill-tool parse: NMEA lines on standard input, one JSON object per line with
// the dispatcher's result and the decoded fields of the fix sentences.
#include <cstdio>
#include <string>

#include "nmea/Nmea0183.h"
#include "nmea/decoders/GGA.h"
#include "nmea/decoders/GLL.h"
#include "nmea/decoders/GSA.h"
#include "nmea/decoders/GSV.h"
#include "nmea/decoders/RMC.h"
#include "nmea/decoders/VTG.h"
#include "platform/FixTime.h"
#include "platform/Text.h"
#include "tools/Json.h"
#include "tools/ToolCommand.h"

namespace rq::tool {

namespace {

const char* Hemisphere(NorthSouth h) {
    return h == NorthSouth::North ? "N" : h == NorthSouth::South ? "S" : "";
}
const char* Hemisphere(EastWest h) {
    return h == EastWest::East ? "E" : h == EastWest::West ? "W" : "";
}
const char* BooleanText(NmeaBoolean b) {
    return b == NmeaBoolean::True ? "A" : b == NmeaBoolean::False ? "V" : "";
}

void Position(JsonLine& j, const LATLONG& p) {
    j.Field("lat", p.latitude.value).Field("lat_hemisphere", Hemisphere(p.latitude.hemisphere));
    j.Field("lon", p.longitude.value).Field("lon_hemisphere", Hemisphere(p.longitude.hemisphere));
}

// Time as seconds and as local calendar text (the receiver's UTC read as local time).
void Time(JsonLine& j, const RESPONSE& r) {
    j.Field("utc_time", r.utcTime).Field("time", static_cast<std::int64_t>(r.time));
    j.Field("time_text",
            r.time ? platform::FormatCalendar("%Y-%m-%d %H:%M:%S", platform::FixUtcFields(r.time))
                   : std::string());
}

void Decoded(JsonLine& j, const RESPONSE& r) {
    if (r.mnemonic == u"GGA") {
        const GGA& g = static_cast<const GGA&>(r);
        Time(j, g);
        Position(j, g.position);
        j.Field("quality", g.gpsQuality).Field("sats_used", g.numberOfSatellitesInUse);
        j.Field("hdop", g.horizontalDilutionOfPrecision).Field("alt", g.antennaAltitudeMeters);
        j.Field("geoid_sep", g.geoidalSeparationMeters);
        j.Field("dgps_age", g.ageOfDifferentialGpsDataSeconds);
        j.Field("dgps_station", g.differentialReferenceStationId);
    } else if (r.mnemonic == u"RMC") {
        const RMC& m = static_cast<const RMC&>(r);
        Time(j, m);
        j.Field("valid", BooleanText(m.isDataValid));
        Position(j, m.position);
        j.Field("speed_kn", m.speedOverGroundKnots).Field("course", m.trackMadeGoodDegreesTrue);
        j.Field("date", m.date).Field("mag_var", m.magneticVariation);
        j.Field("mag_var_direction", Hemisphere(m.magneticVariationDirection));
    } else if (r.mnemonic == u"GSA") {
        const GSA& a = static_cast<const GSA&>(r);
        j.Field("sel_mode", a.selectionMode).Field("fix_mode", a.fixMode);
        std::string prns = "[";
        for (int i = 0; i < 12; ++i) {
            if (i) prns += ",";
            prns += std::to_string(a.satelliteNumber[i]);
        }
        j.Raw("sats", prns + "]");
        j.Field("pdop", a.pdop).Field("hdop", a.hdop).Field("vdop", a.vdop);
    } else if (r.mnemonic == u"GSV") {
        const GSV& v = static_cast<const GSV&>(r);
        j.Field("message", v.messageNumber).Field("sats_view", v.satellitesInView);
        std::string sats = "[";
        for (int i = 0; i < 12; ++i) {
            const SATELLITE_DATA& d = v.satellites[i];
            if (i) sats += ",";
            sats += JsonLine()
                        .Field("prn", d.satelliteNumber)
                        .Field("el", d.elevationDegrees)
                        .Field("az", d.azimuthDegreesTrue)
                        .Field("snr", d.signalToNoiseRatio)
                        .Str();
        }
        j.Raw("satellites", sats + "]");
    } else if (r.mnemonic == u"VTG") {
        const VTG& t = static_cast<const VTG&>(r);
        j.Field("course", t.trackDegreesTrue).Field("course_mag", t.trackDegreesMagnetic);
        j.Field("speed_kn", t.speedKnots).Field("speed_kmh", t.speedKilometersPerHour);
    } else if (r.mnemonic == u"GLL") {
        const GLL& l = static_cast<const GLL&>(r);
        Position(j, l.position);
        Time(j, l);
        j.Field("valid", BooleanText(l.isDataValid));
    }
}

void PrintLine(NMEA0183& nmea, const std::string& bytes) {
    std::u16string text = platform::FromAnsi(bytes);
    text += u"\r\n";
    nmea.SetSentence(text);
    // A line that is not "$...CR LF" leaves the result texts of the previous line;
    // what is printed is this line's own outcome.
    nmea.lastSentenceIdReceived.clear();
    RESPONSE* r = nmea.Parse();
    JsonLine j;
    j.Field("mnemonic", nmea.lastSentenceIdReceived).Field("parsed", r != nullptr);
    if (!nmea.IsGood()) {
        j.Field("error", "Not an NMEA sentence");
    } else {
        j.Field("error", nmea.errorMessage);
    }
    if (r) {
        j.Field("talker", nmea.talkerId).Field("talker_name", nmea.expandedTalkerId);
        Decoded(j, *r);
    } else {
        const std::u16string& t = nmea.Sentence().Text();
        const std::u16string talker = t.size() > 2 && t[0] == u'$' ? t.substr(1, 2) : u"";
        j.Field("talker", talker);
    }
    j.Print();
}

int RunParse(const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError("parse", "takes no arguments; reads standard input");
    NMEA0183 nmea;
    std::string line;
    char buffer[65536];
    std::size_t n;
    bool pending = false;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        for (std::size_t i = 0; i < n; ++i) {
            if (buffer[i] == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                PrintLine(nmea, line);
                line.clear();
                pending = false;
            } else {
                line.push_back(buffer[i]);
                pending = true;
            }
        }
    }
    if (pending) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        PrintLine(nmea, line);
    }
    return 0;
}

const ToolCommand kParse("parse", "< LOG.nmea",
                         "parses NMEA lines from standard input, one JSON object per line",
                         &RunParse);

}  // namespace

}  // namespace rq::tool
