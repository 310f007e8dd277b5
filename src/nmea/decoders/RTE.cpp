#include "nmea/decoders/RTE.h"

#include "nmea/PlainText.h"

namespace rq {

RTE::RTE() : RESPONSE(u"RTE") {
    Empty();
}

void RTE::Empty() {
    totalNumberOfMessages = messageNumber = 0;
    typeOfRoute.clear();
    routeName.clear();
    waypoints.clear();
}

bool RTE::Parse(const SENTENCE& s) {
    const int dataFields = s.NumberOfDataFields();
    if (!BeginParse(s, dataFields + 1)) return false;
    totalNumberOfMessages = s.Integer(1);
    messageNumber = s.Integer(2);
    typeOfRoute.assign(s.Field(3));
    routeName.assign(s.Field(4));
    waypoints.clear();
    for (int f = 5; f <= dataFields && f < s.FieldCount(); ++f) waypoints.emplace_back(s.Field(f));
    return true;
}

bool RTE::Write(SENTENCE& s) const {
    BeginWrite(s);
    s.AddInteger(totalNumberOfMessages).AddInteger(messageNumber);
    s.AddText(typeOfRoute).AddText(routeName);
    for (const std::u16string& w : waypoints) s.AddText(w);
    s.Finish();
    return true;
}

void RTE::AppendPlainEnglish(std::u16string& out) const {
    out += u"Route ";
    out += routeName;
    out += u" with ";
    nmea::AppendInteger(out, static_cast<long long>(waypoints.size()));
    out += u" waypoints in message ";
    nmea::AppendInteger(out, messageNumber);
}

}  // namespace rq
