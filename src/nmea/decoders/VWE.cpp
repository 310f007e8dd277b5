#include "nmea/decoders/VWE.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

VWE::VWE() : RESPONSE(u"VWE") {
    Empty();
}

void VWE::Empty() {
    efficiencyPercent = 0;
}

bool VWE::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 2)) return false;
    efficiencyPercent = sentence.Integer(1);
    return true;
}

bool VWE::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(efficiencyPercent);
    sentence.Finish();
    return true;
}

void VWE::AppendPlainEnglish(std::u16string& out) const {
    out += u"Wind track efficiency ";
    AppendInteger(out, efficiencyPercent);
    out += u" percent";
}

}  // namespace rq
