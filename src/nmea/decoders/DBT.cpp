#include "nmea/decoders/DBT.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

DBT::DBT() : RESPONSE(u"DBT") {
    Empty();
}

void DBT::Empty() {
    depthFeet = 0.0;
    depthMeters = 0.0;
    depthFathoms = 0.0;
}

bool DBT::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    depthFeet = sentence.Double(1);
    depthMeters = sentence.Double(3);
    depthFathoms = sentence.Double(5);
    return true;
}

bool DBT::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(depthFeet);
    sentence.AddText(u"f");
    sentence.AddDouble(depthMeters);
    sentence.AddText(u"M");
    sentence.AddDouble(depthFathoms);
    sentence.AddText(u"F");
    sentence.Finish();
    return true;
}

void DBT::AppendPlainEnglish(std::u16string& out) const {
    out += u"Depth below the transducer is ";
    AppendNumber(out, depthMeters, 1);
    out += u" metres";
}

}  // namespace rq
