// The "GPS Sensitivity" dialog without its widgets: the three recording thresholds as
// typed text, each checked against its range on OK.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "track/RecordingSettings.h"

namespace rq {

class CDlgGpsSensitivity {
public:
    enum Field : std::size_t { TurningAngle, TrackSegment, MaxPoints, kFieldCount };
    struct Range {
        std::uint32_t min;
        std::uint32_t max;
    };
    static constexpr std::array<Range, kFieldCount> kRanges = {Range{0, 60}, Range{0, 9999999},
                                                               Range{2, 99999}};
    // The labels of the three fields, in field order.
    static const std::array<std::u16string, kFieldCount>& Labels();

    // The fields show `current`.
    explicit CDlgGpsSensitivity(const CRecordingSettings& current);

    // The edit boxes' texts, as typed.
    std::array<std::u16string, kFieldCount> text;

    // Checks the fields in order; the first that is no integer ("Please enter an
    // integer.") or lies outside its range ("Please enter an integer between %s and
    // %s.") is reported, becomes FailedField and keeps the dialog open (false).
    // Otherwise the values become the result.
    bool Ok();
    std::optional<Field> FailedField() const { return failed_; }
    const CRecordingSettings& Result() const { return result_; }

private:
    CRecordingSettings result_;
    std::optional<Field> failed_;
};

}  // namespace rq
