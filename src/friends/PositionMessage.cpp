#include "friends/PositionMessage.h"

#include "platform/LittleEndian.h"
#include "platform/Text.h"

namespace rq {

using namespace platform;

std::size_t MessageSizeOfKind(std::uint32_t kind) {
    switch (kind) {
        case kKindPosition:
            return kPositionMessageSize;
        case kKindPositionText:
            return kPositionTextMessageSize;
        case kKindPoi:
            return kPoiMessageSize;
        default:
            return 0;
    }
}

std::vector<std::uint8_t> MakeMessage(std::uint32_t kind, TimeValue madeAt) {
    const std::size_t size = MessageSizeOfKind(kind);
    if (size == 0) return {};
    std::vector<std::uint8_t> m(size, 0);
    PutU32(&m[msgoff::kMagic], kMessageMagic);
    PutU32(&m[msgoff::kSize], static_cast<std::uint32_t>(size));
    PutU32(&m[msgoff::kKind], kind);
    PutU32(&m[msgoff::kTime], static_cast<std::uint32_t>(static_cast<std::uint64_t>(madeAt)));
    return m;
}

std::vector<std::uint8_t> MakePositionMessage(const PositionReport& r,
                                              std::u16string_view senderName, TimeValue madeAt) {
    std::vector<std::uint8_t> m = MakeMessage(kKindPosition, madeAt);
    PutF64(&m[msgoff::kLatitude], r.latitude);
    PutF64(&m[msgoff::kLongitude], r.longitude);
    PutF32(&m[msgoff::kAltitude], static_cast<float>(r.altitude));
    PutF32(&m[msgoff::kCourse], static_cast<float>(r.course));
    PutF32(&m[msgoff::kSpeed], static_cast<float>(r.speedKnots));
    PutF32(&m[msgoff::kHdop], static_cast<float>(r.hdop));
    m[msgoff::kSatsInView] = static_cast<std::uint8_t>(r.satellitesInView & 0xFF);
    m[msgoff::kSatsUsed] = static_cast<std::uint8_t>(r.satellitesUsed & 0xFF);
    // Ten units fill the field exactly; the two zero bytes at 70 then end the name.
    PutText(&m[msgoff::kSenderName], kSenderNameUnits, kSenderNameUnits, senderName);
    return m;
}

std::vector<std::uint8_t> MakePositionTextMessage(double latitude, double longitude,
                                                  std::u16string_view text, TimeValue madeAt) {
    std::vector<std::uint8_t> m = MakeMessage(kKindPositionText, madeAt);
    PutF64(&m[msgoff::kLatitude], latitude);
    PutF64(&m[msgoff::kLongitude], longitude);
    PutText(&m[msgoff::kText], kMessageTextUnits + 1, kMessageTextUnits, text);
    return m;
}

std::vector<std::uint8_t> MakePoiMessage(double latitude, double longitude, std::uint32_t poiType,
                                         std::u16string_view name, TimeValue madeAt) {
    std::vector<std::uint8_t> m = MakeMessage(kKindPoi, madeAt);
    PutF64(&m[msgoff::kLatitude], latitude);
    PutF64(&m[msgoff::kLongitude], longitude);
    PutU32(&m[msgoff::kPoiType], poiType);
    PutText(&m[msgoff::kPoiName], kMessageTextUnits + 1, kMessageTextUnits, name);
    return m;
}

std::u16string CleanMessageText(std::u16string_view text) {
    // One pass does what replacing "\r\n", then "\r", then "\n" by a blank does: a CR LF
    // pair is one break, any other CR or LF is one break of its own.
    std::u16string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            s.push_back(u' ');
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            s.push_back(u' ');
        } else {
            s.push_back(c);
        }
    }
    return Trim(s);
}

std::uint32_t RecogniseMessage(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kMessageHeaderSize) return 0;
    if (GetU32(data + msgoff::kMagic) != kMessageMagic) return 0;
    const std::uint32_t kind = GetU32(data + msgoff::kKind);
    const std::size_t need = MessageSizeOfKind(kind);
    if (need == 0 || size < need) return 0;
    return kind;
}

std::optional<DecodedMessage> DecodeMessage(const std::uint8_t* data, std::size_t size) {
    const std::uint32_t kind = RecogniseMessage(data, size);
    if (kind == 0) return std::nullopt;
    DecodedMessage d;
    d.kind = kind;
    d.sizeField = GetU32(data + msgoff::kSize);
    d.time = GetU32(data + msgoff::kTime);
    d.latitude = GetF64(data + msgoff::kLatitude);
    d.longitude = GetF64(data + msgoff::kLongitude);
    switch (kind) {
        case kKindPosition:
            d.altitude = GetF32(data + msgoff::kAltitude);
            d.course = GetF32(data + msgoff::kCourse);
            d.speedKnots = GetF32(data + msgoff::kSpeed);
            d.hdop = GetF32(data + msgoff::kHdop);
            d.satellitesInView = data[msgoff::kSatsInView];
            d.satellitesUsed = data[msgoff::kSatsUsed];
            d.senderName = GetText(data + msgoff::kSenderName, kSenderNameUnits);
            break;
        case kKindPositionText:
            // The received field need not be terminated: read at most its 41 units.
            d.text = GetText(data + msgoff::kText, kMessageTextUnits + 1);
            break;
        case kKindPoi:
            d.poiType = GetU32(data + msgoff::kPoiType);
            d.poiName = GetText(data + msgoff::kPoiName, kMessageTextUnits + 1);
            break;
    }
    return d;
}

}  // namespace rq
