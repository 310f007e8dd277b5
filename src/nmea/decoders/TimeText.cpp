#include "nmea/decoders/TimeText.h"

#include "nmea/PlainText.h"

namespace rq::nmea {

void AppendTimeText(std::u16string& out, std::u16string_view t) {
    if (t.size() < 6) {
        out.append(t.empty() ? std::u16string_view(u"an unknown time") : t);
        return;
    }
    out.append(t.substr(0, 2));
    out.push_back(u':');
    out.append(t.substr(2, 2));
    out.push_back(u':');
    out.append(t.substr(4, 2));
}

void AppendPosition(std::u16string& out, const LATLONG& p) {
    AppendNumber(out, p.latitude.value, 4);
    out += p.latitude.hemisphere == NorthSouth::North   ? u" North, "
           : p.latitude.hemisphere == NorthSouth::South ? u" South, "
                                                        : u", ";
    AppendNumber(out, p.longitude.value, 4);
    out += p.longitude.hemisphere == EastWest::East   ? u" East"
           : p.longitude.hemisphere == EastWest::West ? u" West"
                                                      : u"";
}

}  // namespace rq::nmea
