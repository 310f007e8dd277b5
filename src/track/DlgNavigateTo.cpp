#include "track/DlgNavigateTo.h"

#include "app/StringTable.h"

namespace rq {

CDlgNavigateTo::CDlgNavigateTo() {
    const struct {
        StringId text;
        Source code;
    } rows[] = {
        {StringId::LocalPoi, Source::LocalPoi},
        {StringId::TrackPoi, Source::TrackPoi},
        {StringId::RoutePoi, Source::RoutePoi},
        {StringId::PositionMessage, Source::PositionMessage},
        {StringId::Here, Source::Here},
        {StringId::FriendPosition, Source::FriendPosition},
    };
    for (const auto& row : rows) entries_.push_back({LoadResourceString(row.text), row.code});
    selection_ = 0;
}

void CDlgNavigateTo::Select(std::optional<std::size_t> index) {
    selection_ = (index && *index < entries_.size()) ? index : std::nullopt;
}

bool CDlgNavigateTo::Ok() {
    if (!selection_) return false;
    result_ = entries_[*selection_].code;
    return true;
}

}  // namespace rq
