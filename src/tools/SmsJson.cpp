#include "tools/SmsJson.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "friends/PositionMessage.h"

namespace rq::tool {

namespace {
// A single-precision field printed with the digits it really has (0.9, not 0.899999976).
double Shortest(float value) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf - 1, value);
    *r.ptr = 0;
    return std::strtod(buf, nullptr);
}

std::string Hex(const std::uint8_t* data, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(digits[data[i] >> 4]);
        out.push_back(digits[data[i] & 15]);
    }
    return out;
}
}  // namespace

void AddMessageFields(JsonLine& line, const std::uint8_t* data, std::size_t size) {
    const auto d = DecodeMessage(data, size);
    if (!d) {
        line.Null("kind");
    } else {
        const char* kinds[] = {"position", "position-text", "poi"};
        line.Field("kind", kinds[d->kind - kKindPosition])
            .Field("size_field", d->sizeField)
            .Field("time", d->time)
            .Field("lat", d->latitude)
            .Field("lon", d->longitude);
        if (d->kind == kKindPosition) {
            line.Field("alt", Shortest(d->altitude))
                .Field("course", Shortest(d->course))
                .Field("speed_kn", Shortest(d->speedKnots))
                .Field("hdop", Shortest(d->hdop))
                .Field("sats_view", int(d->satellitesInView))
                .Field("sats_used", int(d->satellitesUsed))
                .Field("sender_name", d->senderName);
        } else if (d->kind == kKindPositionText) {
            line.Field("text", d->text);
        } else {
            line.Field("poi_type", d->poiType).Field("poi_name", d->poiName);
        }
    }
    line.Field("size", static_cast<std::int64_t>(size)).Field("hex", Hex(data, size));
}

}  // namespace rq::tool
