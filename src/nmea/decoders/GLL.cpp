#include "nmea/decoders/GLL.h"

#include "nmea/decoders/TimeText.h"

namespace rq {

GLL::GLL() : RESPONSE(u"GLL") {
    Empty();
}

void GLL::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    isDataValid = NmeaBoolean::Unknown;
}

bool GLL::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 7)) return false;
    position.Parse(1, s);
    ReadTime(s, 5);
    isDataValid = s.Boolean(6);
    return true;
}

bool GLL::Write(SENTENCE& s) const {
    BeginWrite(s);
    position.Write(s);
    s.AddText(utcTime).Add(isDataValid);
    s.Finish();
    return true;
}

void GLL::AppendPlainEnglish(std::u16string& out) const {
    out += u"At ";
    nmea::AppendTimeText(out, utcTime);
    out += u" UTC, you were at ";
    nmea::AppendPosition(out, position);
    if (isDataValid != NmeaBoolean::True) out += u" (not valid)";
}

}  // namespace rq
