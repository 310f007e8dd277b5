#include "nmea/decoders/ZDA.h"

#include "nmea/PlainText.h"
#include "nmea/decoders/TimeText.h"

namespace rq {

ZDA::ZDA() : RESPONSE(u"ZDA") {
    Empty();
}

void ZDA::Empty() {
    utcTime.clear();
    time = 0;
    day = month = year = localHourDeviation = localMinutesDeviation = 0;
}

bool ZDA::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 7)) return false;
    ReadTime(s, 1);
    day = s.Integer(2);
    month = s.Integer(3);
    year = s.Integer(4);
    localHourDeviation = s.Integer(5);
    localMinutesDeviation = s.Integer(6);
    return true;
}

bool ZDA::Write(SENTENCE& s) const {
    BeginWrite(s);
    s.AddText(utcTime).AddInteger(day).AddInteger(month).AddInteger(year);
    s.AddInteger(localHourDeviation).AddInteger(localMinutesDeviation);
    s.Finish();
    return true;
}

void ZDA::AppendPlainEnglish(std::u16string& out) const {
    out += u"It is ";
    nmea::AppendTimeText(out, utcTime);
    out += u" UTC on ";
    nmea::AppendInteger(out, year);
    out += u"-";
    nmea::AppendTwoDigits(out, month);
    out += u"-";
    nmea::AppendTwoDigits(out, day);
}

}  // namespace rq
