#include "nmea/decoders/DPT.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

DPT::DPT() : RESPONSE(u"DPT") {
    Empty();
}

void DPT::Empty() {
    depthMeters = 0.0;
    offsetFromTransducerMeters = 0.0;
}

bool DPT::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    depthMeters = sentence.Double(1);
    offsetFromTransducerMeters = sentence.Double(2);
    return true;
}

bool DPT::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(depthMeters);
    sentence.AddDouble(offsetFromTransducerMeters);
    sentence.Finish();
    return true;
}

void DPT::AppendPlainEnglish(std::u16string& out) const {
    out += u"Depth is ";
    AppendNumber(out, depthMeters, 1);
    out += u" metres";
}

}  // namespace rq
