#include "nmea/decoders/FSI.h"

#include "geo/Unset.h"

namespace rq {

FSI::FSI() : RESPONSE(u"FSI") {
    Empty();
}

void FSI::Empty() {
    transmittingFrequency.clear();
    receivingFrequency.clear();
    communicationsMode = CommunicationsMode::Unknown;
    powerLevel = 0;
}

bool FSI::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 5)) return false;
    transmittingFrequency.assign(sentence.Field(1));
    receivingFrequency.assign(sentence.Field(2));
    communicationsMode = sentence.CommunicationsMode(3);
    powerLevel = sentence.Integer(4);
    return true;
}

bool FSI::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(transmittingFrequency);
    sentence.AddText(receivingFrequency);
    sentence.Add(communicationsMode);
    sentence.AddInteger(powerLevel);
    sentence.Finish();
    return true;
}

}  // namespace rq
