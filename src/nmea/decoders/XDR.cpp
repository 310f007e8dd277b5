#include "nmea/decoders/XDR.h"

#include "nmea/PlainText.h"

namespace rq {

XDR::XDR() : RESPONSE(u"XDR") {
    Empty();
}

void XDR::Empty() {
    transducers.clear();
}

bool XDR::Parse(const SENTENCE& s) {
    const int dataFields = s.NumberOfDataFields();
    if (!BeginParse(s, dataFields + 1)) return false;
    transducers.clear();
    for (int f = 1; f <= dataFields; f += 4) {
        transducers.emplace_back();
        transducers.back().Parse(f, s);
    }
    return true;
}

bool XDR::Write(SENTENCE& s) const {
    BeginWrite(s);
    for (const TRANSDUCER_DATA& t : transducers) t.Write(s);
    s.Finish();
    return true;
}

void XDR::AppendPlainEnglish(std::u16string& out) const {
    bool first = true;
    for (const TRANSDUCER_DATA& t : transducers) {
        if (!first) out += u", ";
        first = false;
        out += t.transducerName.empty() ? std::u16string_view(u"transducer")
                                        : std::u16string_view(t.transducerName);
        out += u" ";
        nmea::AppendNumber(out, t.measurementData, 2);
        if (!t.measurementUnits.empty()) {
            out += u" ";
            out += t.measurementUnits;
        }
    }
}

}  // namespace rq
