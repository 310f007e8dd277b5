// The position datagram exchanged between friends: a 16-byte header (magic, size, kind,
// time of making) and one of three fixed bodies. Made and read byte by byte at the
// offsets below, so the host's layout never matters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Time.h"

namespace rq {

inline constexpr std::uint32_t kMessageMagic = 0xA1B2C3D4u;

inline constexpr std::uint32_t kKindPosition = 0x11;
inline constexpr std::uint32_t kKindPositionText = 0x12;
inline constexpr std::uint32_t kKindPoi = 0x13;

inline constexpr std::size_t kMessageHeaderSize = 16;
inline constexpr std::size_t kPositionMessageSize = 72;
inline constexpr std::size_t kPositionTextMessageSize = 114;
inline constexpr std::size_t kPoiMessageSize = 118;

// Field offsets shared by making and reading.
namespace msgoff {
inline constexpr std::size_t kMagic = 0, kSize = 4, kKind = 8, kTime = 12;
inline constexpr std::size_t kLatitude = 16, kLongitude = 24;
inline constexpr std::size_t kAltitude = 32, kCourse = 36, kSpeed = 40, kHdop = 44;
inline constexpr std::size_t kSatsInView = 48, kSatsUsed = 49, kSenderName = 50;
inline constexpr std::size_t kText = 32;
inline constexpr std::size_t kPoiType = 32, kPoiName = 36;
}  // namespace msgoff

inline constexpr std::size_t kSenderNameUnits = 10;
inline constexpr std::size_t kMessageTextUnits = 40;

// Size of a message of `kind`, 0 for a kind that cannot be made.
std::size_t MessageSizeOfKind(std::uint32_t kind);

// What goes into a position message, taken from the current fix.
struct PositionReport {
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
    double course = 0;
    double speedKnots = 0;
    double hdop = 0;
    int satellitesInView = 0;
    int satellitesUsed = 0;
};

// A zeroed message with its header; empty for an unknown kind. `madeAt` is seconds
// since 1970 UTC (only the low 32 bits travel).
std::vector<std::uint8_t> MakeMessage(std::uint32_t kind, platform::TimeValue madeAt);

std::vector<std::uint8_t> MakePositionMessage(const PositionReport& report,
                                              std::u16string_view senderName,
                                              platform::TimeValue madeAt);
// `text` is cut to its first 40 units; clean it with CleanMessageText first.
std::vector<std::uint8_t> MakePositionTextMessage(double latitude, double longitude,
                                                  std::u16string_view text,
                                                  platform::TimeValue madeAt);
std::vector<std::uint8_t> MakePoiMessage(double latitude, double longitude, std::uint32_t poiType,
                                         std::u16string_view name, platform::TimeValue madeAt);

// Line breaks become one blank each ("\r\n", then "\r", then "\n"), then the text is
// trimmed.
std::u16string CleanMessageText(std::u16string_view text);

// A received message, decoded. Only the fields of its kind are filled.
struct DecodedMessage {
    std::uint32_t kind = 0;
    std::uint32_t sizeField = 0;
    std::uint32_t time = 0;
    double latitude = 0;
    double longitude = 0;
    float altitude = 0;
    float course = 0;
    float speedKnots = 0;
    float hdop = 0;
    std::uint8_t satellitesInView = 0;
    std::uint8_t satellitesUsed = 0;
    std::u16string senderName;
    std::u16string text;  // position text
    std::uint32_t poiType = 0;
    std::u16string poiName;
};

// The kind of a received message, or 0 when it is to be ignored: no data, a wrong magic,
// an unknown kind, or fewer bytes than its kind's size (the size field is not consulted).
std::uint32_t RecogniseMessage(const std::uint8_t* data, std::size_t size);
std::optional<DecodedMessage> DecodeMessage(const std::uint8_t* data, std::size_t size);

}  // namespace rq
