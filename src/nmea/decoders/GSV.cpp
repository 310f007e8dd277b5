#include "nmea/decoders/GSV.h"

#include "nmea/PlainText.h"

namespace rq {

GSV::GSV() : RESPONSE(u"GSV") {
    Empty();
}

void GSV::Empty() {
    messageNumber = 0;
    satellitesInView = 0;
    for (SATELLITE_DATA& d : satellites) d.Empty();
}

bool GSV::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 20)) return false;
    messageNumber = s.Integer(2);
    satellitesInView = s.Integer(3);
    if (messageNumber >= 1 && messageNumber <= 3) {
        // Groups at or past the count in view are cleared below, so they are not read.
        const int base = 4 * (messageNumber - 1);
        const int kept = satellitesInView < 0 ? 0 : satellitesInView;
        for (int g = 0; g < 4 && base + g < kept; ++g) satellites[base + g].Parse(4 + 4 * g, s);
    }
    for (int i = satellitesInView < 0 ? 0 : satellitesInView; i < 12; ++i) satellites[i].Empty();
    return true;
}

bool GSV::Write(SENTENCE& s) const {
    BeginWrite(s);
    // Rounded up without adding first: the count may be saturated at the int range.
    const int messages =
        satellitesInView > 0 ? satellitesInView / 4 + (satellitesInView % 4 != 0) : 1;
    s.AddInteger(messages).AddInteger(messageNumber).AddInteger(satellitesInView);
    if (messageNumber >= 1 && messageNumber <= 3) {
        const int base = 4 * (messageNumber - 1);
        for (int g = 0; g < 4 && base + g < satellitesInView; ++g) satellites[base + g].Write(s);
    }
    s.Finish();
    return true;
}

void GSV::AppendPlainEnglish(std::u16string& out) const {
    nmea::AppendInteger(out, satellitesInView);
    out += u" satellites in view (message ";
    nmea::AppendInteger(out, messageNumber);
    out += u")";
}

}  // namespace rq
