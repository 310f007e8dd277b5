#include "nmea/OmegaPair.h"

#include "nmea/Sentence.h"

namespace rq {

void OMEGA_PAIR::Parse(int first, const SENTENCE& s) {
    name.assign(s.Field(first + 0));
    laneNumber = s.Integer(first + 1);
    centilaneNumber = s.Integer(first + 2);
}

void OMEGA_PAIR::Write(SENTENCE& s) const {
    s.AddText(name);
    s.AddInteger(laneNumber);
    s.AddInteger(centilaneNumber);
}

}  // namespace rq
