#include "nmea/decoders/XTE.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

XTE::XTE() : RESPONSE(u"XTE") {
    Empty();
}

void XTE::Empty() {
    isLoranBlinkOk = NmeaBoolean::Unknown;
    isLoranCCycleLockOk = NmeaBoolean::Unknown;
    crossTrackErrorDistance = 0.0;
    directionToSteer = LeftRight::Unknown;
    crossTrackUnits.clear();
}

bool XTE::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    isLoranBlinkOk = sentence.Boolean(1);
    isLoranCCycleLockOk = sentence.Boolean(2);
    crossTrackErrorDistance = sentence.Double(3);
    directionToSteer = sentence.LeftOrRight(4);
    crossTrackUnits.assign(sentence.Field(5));
    return true;
}

bool XTE::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Add(isLoranBlinkOk);
    sentence.Add(isLoranCCycleLockOk);
    sentence.AddDouble(crossTrackErrorDistance);
    sentence.Add(directionToSteer);
    sentence.AddText(crossTrackUnits);
    sentence.Finish();
    return true;
}

void XTE::AppendPlainEnglish(std::u16string& out) const {
    out += u"Cross-track error ";
    AppendNumber(out, crossTrackErrorDistance, 2);
    out += u", steer ";
    out += directionToSteer == LeftRight::Left ? u"left" : u"right";
}

}  // namespace rq
