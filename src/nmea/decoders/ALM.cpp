#include "nmea/decoders/ALM.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

ALM::ALM() : RESPONSE(u"ALM") {
    Empty();
}

void ALM::Empty() {
    totalNumberOfMessages = 0;
    messageNumber = 0;
    satellitePrn = 0;
    gpsWeek = 0;
    svHealth.clear();
    eccentricity.clear();
    almanacReferenceTime.clear();
    inclinationAngle.clear();
    rateOfRightAscension.clear();
    rootOfSemiMajorAxis.clear();
    argumentOfPerigee.clear();
    longitudeOfAscensionNode.clear();
    meanAnomaly.clear();
    f0ClockParameter.clear();
    f1ClockParameter.clear();
}

bool ALM::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 16)) return false;
    totalNumberOfMessages = sentence.Integer(1);
    messageNumber = sentence.Integer(2);
    satellitePrn = sentence.Integer(3);
    gpsWeek = sentence.Integer(4);
    svHealth.assign(sentence.Field(5));
    eccentricity.assign(sentence.Field(6));
    almanacReferenceTime.assign(sentence.Field(7));
    inclinationAngle.assign(sentence.Field(8));
    rateOfRightAscension.assign(sentence.Field(9));
    rootOfSemiMajorAxis.assign(sentence.Field(10));
    argumentOfPerigee.assign(sentence.Field(11));
    longitudeOfAscensionNode.assign(sentence.Field(12));
    meanAnomaly.assign(sentence.Field(13));
    f0ClockParameter.assign(sentence.Field(14));
    f1ClockParameter.assign(sentence.Field(15));
    return true;
}

bool ALM::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(totalNumberOfMessages);
    sentence.AddInteger(messageNumber);
    sentence.AddInteger(satellitePrn);
    sentence.AddInteger(gpsWeek);
    sentence.AddText(svHealth);
    sentence.AddText(eccentricity);
    sentence.AddText(almanacReferenceTime);
    sentence.AddText(inclinationAngle);
    sentence.AddText(rateOfRightAscension);
    sentence.AddText(rootOfSemiMajorAxis);
    sentence.AddText(argumentOfPerigee);
    sentence.AddText(longitudeOfAscensionNode);
    sentence.AddText(meanAnomaly);
    sentence.AddText(f0ClockParameter);
    sentence.AddText(f1ClockParameter);
    sentence.Finish();
    return true;
}

void ALM::AppendPlainEnglish(std::u16string& out) const {
    out += u"Almanac of satellite ";
    AppendInteger(out, satellitePrn);
    out += u", week ";
    AppendInteger(out, gpsWeek);
}

}  // namespace rq
