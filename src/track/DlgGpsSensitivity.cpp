#include "track/DlgGpsSensitivity.h"

#include "app/StringTable.h"
#include "platform/Text.h"

namespace rq {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// A decimal integer with an optional sign and surrounding blanks. Values beyond 64 bits
// saturate: they are out of every range all the same.
std::optional<std::int64_t> ParseInteger(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    constexpr std::int64_t kLimit = 100'000'000'000'000'000;
    std::int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        if (value < kLimit) value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

std::u16string Number(std::uint32_t value) {
    return platform::Widen(std::to_string(value));
}

}  // namespace

const std::array<std::u16string, CDlgGpsSensitivity::kFieldCount>& CDlgGpsSensitivity::Labels() {
    static const std::array<std::u16string, kFieldCount> labels = {u"Turning Angle Threshold (deg)",
                                                                   u"Track Segment Threshold (m)",
                                                                   u"Maximun points per track"};
    return labels;
}

CDlgGpsSensitivity::CDlgGpsSensitivity(const CRecordingSettings& current)
    : text{Number(current.taThreshold), Number(current.tsThreshold),
           Number(current.maxTrackPoints)},
      result_(current) {}

bool CDlgGpsSensitivity::Ok() {
    std::array<std::uint32_t, kFieldCount> values{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::optional<std::int64_t> value = ParseInteger(text[i]);
        const Range range = kRanges[i];
        if (!value) {
            failed_ = static_cast<Field>(i);
            ShowStringMessage(StringId::PleaseEnterAnInteger, platform::MessageIcon::Information);
            return false;
        }
        if (*value < range.min || *value > range.max) {
            failed_ = static_cast<Field>(i);
            ShowStringMessage(StringId::PleaseEnterAnIntegerBetween,
                              platform::MessageIcon::Information,
                              {Number(range.min), Number(range.max)});
            return false;
        }
        values[i] = static_cast<std::uint32_t>(*value);
    }
    failed_.reset();
    result_ = {values[TurningAngle], values[TrackSegment], values[MaxPoints]};
    return true;
}

}  // namespace rq
