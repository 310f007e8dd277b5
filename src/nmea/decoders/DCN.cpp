#include "nmea/decoders/DCN.h"

#include "geo/Unset.h"

namespace rq {

DCN::DCN() : RESPONSE(u"DCN") {
    Empty();
}

void DCN::Empty() {
    deccaChainId = 0;
    red.Empty();
    green.Empty();
    purple.Empty();
    redLineNavigationUse = NmeaBoolean::Unknown;
    greenLineNavigationUse = NmeaBoolean::Unknown;
    purpleLineNavigationUse = NmeaBoolean::Unknown;
    positionUncertaintyNauticalMiles = 0.0;
    basis = 0;
}

bool DCN::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 17)) return false;
    deccaChainId = sentence.Integer(1);
    red.Parse(2, sentence);
    green.Parse(5, sentence);
    purple.Parse(8, sentence);
    redLineNavigationUse = sentence.Boolean(11);
    greenLineNavigationUse = sentence.Boolean(12);
    purpleLineNavigationUse = sentence.Boolean(13);
    positionUncertaintyNauticalMiles = sentence.Double(14);
    basis = sentence.Integer(16);
    return true;
}

bool DCN::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(deccaChainId);
    red.Write(sentence);
    green.Write(sentence);
    purple.Write(sentence);
    sentence.Add(redLineNavigationUse);
    sentence.Add(greenLineNavigationUse);
    sentence.Add(purpleLineNavigationUse);
    sentence.AddDouble(positionUncertaintyNauticalMiles);
    sentence.AddText(u"N");
    sentence.AddInteger(basis);
    sentence.Finish();
    return true;
}

}  // namespace rq
