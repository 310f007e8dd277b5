#include "nmea/decoders/VTG.h"

#include "nmea/PlainText.h"

namespace rq {

VTG::VTG() : RESPONSE(u"VTG") {
    Empty();
}

void VTG::Empty() {
    trackDegreesTrue = trackDegreesMagnetic = speedKnots = speedKilometersPerHour = 0.0;
}

bool VTG::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 9)) return false;
    trackDegreesTrue = s.Double(1);
    trackDegreesMagnetic = s.Double(3);
    speedKnots = s.Double(5);
    if (!fixFieldsOnly_) speedKilometersPerHour = s.Double(7);
    return true;
}

bool VTG::Write(SENTENCE& s) const {
    BeginWrite(s);
    s.AddDouble(trackDegreesTrue).AddText(u"T").AddDouble(trackDegreesMagnetic).AddText(u"M");
    s.AddDouble(speedKnots).AddText(u"N").AddDouble(speedKilometersPerHour).AddText(u"K");
    s.Finish();
    return true;
}

void VTG::AppendPlainEnglish(std::u16string& out) const {
    out += u"Making ";
    nmea::AppendNumber(out, speedKnots, 1);
    out += u" knots on a track of ";
    nmea::AppendNumber(out, trackDegreesTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
