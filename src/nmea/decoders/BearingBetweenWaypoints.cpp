#include "nmea/decoders/BearingBetweenWaypoints.h"

#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendNumber;

void BEARING_BETWEEN_WAYPOINTS::Empty() {
    bearingTrue = 0.0;
    bearingMagnetic = 0.0;
    to.clear();
    from.clear();
}

bool BEARING_BETWEEN_WAYPOINTS::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    bearingTrue = sentence.Double(1);
    bearingMagnetic = sentence.Double(3);
    to.assign(sentence.Field(5));
    from.assign(sentence.Field(6));
    return true;
}

bool BEARING_BETWEEN_WAYPOINTS::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(bearingTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(bearingMagnetic);
    sentence.AddText(u"M");
    sentence.AddText(to);
    sentence.AddText(from);
    sentence.Finish();
    return true;
}

void BOD::AppendPlainEnglish(std::u16string& out) const {
    out += u"Bearing from ";
    out += from;
    out += u" to ";
    out += to;
    out += u" is ";
    AppendNumber(out, bearingTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
