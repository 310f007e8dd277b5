#include "nmea/decoders/ASD.h"

#include "geo/Unset.h"

namespace rq {

ASD::ASD() : RESPONSE(u"ASD") {
    Empty();
}

void ASD::Empty() {
    isHeadingDeviationOk = NmeaBoolean::Unknown;
    isOffCourse = NmeaBoolean::Unknown;
    isAutomaticSteeringOn = NmeaBoolean::Unknown;
    isCourseSelectorOk = NmeaBoolean::Unknown;
    isRudderOk = NmeaBoolean::Unknown;
}

bool ASD::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    isHeadingDeviationOk = sentence.Boolean(1);
    isOffCourse = sentence.Boolean(2);
    isAutomaticSteeringOn = sentence.Boolean(3);
    isCourseSelectorOk = sentence.Boolean(4);
    isRudderOk = sentence.Boolean(5);
    return true;
}

bool ASD::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Add(isHeadingDeviationOk);
    sentence.Add(isOffCourse);
    sentence.Add(isAutomaticSteeringOn);
    sentence.Add(isCourseSelectorOk);
    sentence.Add(isRudderOk);
    sentence.Finish();
    return true;
}

}  // namespace rq
