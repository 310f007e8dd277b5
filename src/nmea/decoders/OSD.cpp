#include "nmea/decoders/OSD.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

OSD::OSD() : RESPONSE(u"OSD") {
    Empty();
}

void OSD::Empty() {
    headingDegreesTrue = 0.0;
    isHeadingValid = NmeaBoolean::Unknown;
    vesselCourseDegreesTrue = 0.0;
    vesselCourseReference = Reference::Unknown;
    vesselSpeed = 0.0;
    vesselSpeedReference = Reference::Unknown;
    vesselSetDegreesTrue = 0.0;
    vesselDriftSpeed = 0.0;
    vesselDriftSpeedUnits.clear();
}

bool OSD::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 10)) return false;
    headingDegreesTrue = sentence.Double(1);
    isHeadingValid = sentence.Boolean(2);
    vesselCourseDegreesTrue = sentence.Double(3);
    vesselCourseReference = sentence.Reference(4);
    vesselSpeed = sentence.Double(5);
    vesselSpeedReference = sentence.Reference(6);
    vesselSetDegreesTrue = sentence.Double(7);
    vesselDriftSpeed = sentence.Double(8);
    vesselDriftSpeedUnits.assign(sentence.Field(9));
    return true;
}

bool OSD::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(headingDegreesTrue);
    sentence.Add(isHeadingValid);
    sentence.AddDouble(vesselCourseDegreesTrue);
    sentence.Add(vesselCourseReference);
    sentence.AddDouble(vesselSpeed);
    sentence.Add(vesselSpeedReference);
    sentence.AddDouble(vesselSetDegreesTrue);
    sentence.AddDouble(vesselDriftSpeed);
    sentence.AddText(vesselDriftSpeedUnits);
    sentence.Finish();
    return true;
}

void OSD::AppendPlainEnglish(std::u16string& out) const {
    out += u"Heading ";
    AppendNumber(out, headingDegreesTrue, 1);
    out += u" degrees true, course ";
    AppendNumber(out, vesselCourseDegreesTrue, 1);
}

}  // namespace rq
