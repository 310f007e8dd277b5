#include "nmea/decoders/SFI.h"

#include "geo/Unset.h"

namespace rq {

SFI::SFI() : RESPONSE(u"SFI") {
    Empty();
}

void SFI::Empty() {
    totalMessages = 0;
    messageNumber = 0;
    for (FREQUENCY_AND_MODE& item : frequencies) item.Empty();
}

bool SFI::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 15)) return false;
    totalMessages = sentence.Integer(1);
    messageNumber = sentence.Integer(2);
    for (int i = 0; i < 6; ++i) frequencies[i].Parse(3 + i * 2, sentence);
    return true;
}

bool SFI::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(totalMessages);
    sentence.AddInteger(messageNumber);
    for (const FREQUENCY_AND_MODE& item : frequencies) item.Write(sentence);
    sentence.Finish();
    return true;
}

}  // namespace rq
