#include "nmea/decoders/GSA.h"

#include "nmea/PlainText.h"
#include "nmea/decoders/GGA.h"

namespace rq {

GSA::GSA() : RESPONSE(u"GSA") {
    Empty();
}

void GSA::Empty() {
    selectionMode = 0;
    fixMode = 0;
    for (int& n : satelliteNumber) n = 0;
    pdop = hdop = vdop = 0.0;
}

bool GSA::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 18)) return false;
    const std::u16string_view mode = s.Field(1);
    selectionMode = mode == u"A" ? 2 : mode == u"M" ? 1 : 0;
    fixMode = s.Integer(2);
    if (fixMode < 1 || fixMode > 3) fixMode = 0;
    for (int i = 0; i < 12; ++i) satelliteNumber[i] = s.Integer(3 + i);
    pdop = ClampDilution(s.Double(15));
    hdop = ClampDilution(s.Double(16));
    vdop = ClampDilution(s.Double(17));
    return true;
}

bool GSA::Write(SENTENCE& s) const {
    BeginWrite(s);
    s.AddText(selectionMode == 2 ? u"A" : selectionMode == 1 ? u"M" : u"");
    s.AddInteger(fixMode);
    for (int n : satelliteNumber) {
        if (n == 0)
            s.AddText(u"");
        else
            s.AddInteger(n);
    }
    s.AddDouble(pdop).AddDouble(hdop).AddDouble(vdop);
    s.Finish();
    return true;
}

bool GSA::IsSatelliteUsed(int prn) const {
    for (int n : satelliteNumber)
        if (n == prn) return true;
    return false;
}

void GSA::AppendPlainEnglish(std::u16string& out) const {
    out += fixMode == 3 ? u"3D fix" : fixMode == 2 ? u"2D fix" : u"No fix";
    out += selectionMode == 2 ? u" (automatic)" : selectionMode == 1 ? u" (manual)" : u"";
    out += u", PDOP ";
    nmea::AppendNumber(out, pdop, 1);
    out += u", HDOP ";
    nmea::AppendNumber(out, hdop, 1);
    out += u", VDOP ";
    nmea::AppendNumber(out, vdop, 1);
}

}  // namespace rq
