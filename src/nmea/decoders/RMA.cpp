#include "nmea/decoders/RMA.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

RMA::RMA() : RESPONSE(u"RMA") {
    Empty();
}

void RMA::Empty() {
    isDataValid = NmeaBoolean::Unknown;
    position.Empty();
    timeDifferenceA = 0.0;
    timeDifferenceB = 0.0;
    speedOverGroundKnots = 0.0;
    trackMadeGoodDegreesTrue = 0.0;
    magneticVariation = 0.0;
    magneticVariationDirection = EastWest::Unknown;
}

bool RMA::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 12, true)) return false;
    isDataValid = sentence.Boolean(1);
    position.Parse(2, sentence);
    timeDifferenceA = sentence.Double(6);
    timeDifferenceB = sentence.Double(7);
    speedOverGroundKnots = sentence.Double(8);
    trackMadeGoodDegreesTrue = sentence.Double(9);
    magneticVariation = sentence.Double(10);
    magneticVariationDirection = sentence.EastOrWest(11);
    return true;
}

bool RMA::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Add(isDataValid);
    position.Write(sentence);
    sentence.AddDouble(timeDifferenceA);
    sentence.AddDouble(timeDifferenceB);
    sentence.AddDouble(speedOverGroundKnots);
    sentence.AddDouble(trackMadeGoodDegreesTrue);
    sentence.AddDouble(magneticVariation);
    sentence.Add(magneticVariationDirection);
    sentence.Finish();
    return true;
}

void RMA::AppendPlainEnglish(std::u16string& out) const {
    out += u"Speed over ground ";
    AppendNumber(out, speedOverGroundKnots, 1);
    out += u" knots, track ";
    AppendNumber(out, trackMadeGoodDegreesTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
