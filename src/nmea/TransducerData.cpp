#include "nmea/TransducerData.h"

#include "nmea/Sentence.h"

namespace rq {

void TRANSDUCER_DATA::Parse(int first, const SENTENCE& s) {
    transducerType = s.TransducerType(first + 0);
    measurementData = s.Double(first + 1);
    measurementUnits.assign(s.Field(first + 2));
    transducerName.assign(s.Field(first + 3));
}

void TRANSDUCER_DATA::Write(SENTENCE& s) const {
    s.Add(transducerType);
    s.AddDouble(measurementData);
    s.AddText(measurementUnits);
    s.AddText(transducerName);
}

}  // namespace rq
