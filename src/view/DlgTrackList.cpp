#include "view/DlgTrackList.h"

#include <algorithm>

#include "app/StringTable.h"
#include "controls/GpsMapControl.h"
#include "friends/FriendTrackFileName.h"
#include "platform/Files.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"

namespace rq {

using platform::MessageIcon;

CDlgTrackList::CDlgTrackList(CGpsMapControl& map, CGpsViewData& data, Bar bar)
    : map_(map), data_(data), bar_(bar) {}

void CDlgTrackList::Open() {
    items_.clear();
    for (const auto& track : data_.friendTracks.Tracks()) {
        std::u16string text = track->ownerId;
        if (!track->shortName.empty()) text += u" " + track->shortName;
        items_.push_back({track.get(), std::move(text)});
    }
    selection_.reset();
    if (!items_.empty()) selection_ = 0;
}

void CDlgTrackList::Select(std::optional<std::size_t> index) {
    selection_ = (index && *index < items_.size()) ? index : std::nullopt;
}

CGpsTrackInfo* CDlgTrackList::Selected() {
    if (!selection_) {
        ShowStringMessage(StringId::SelectATrackFirst, MessageIcon::Information);
        return nullptr;
    }
    return items_[*selection_].track;
}

bool CDlgTrackList::GoTo() {
    CGpsTrackInfo* track = Selected();
    if (track == nullptr) return false;
    map_.SetCenter(track->fix);
    return true;
}

bool CDlgTrackList::Navigate() {
    CGpsTrackInfo* track = Selected();
    if (track == nullptr) return false;
    if (!track->fix.IsValid()) {
        ShowStringMessage(StringId::CanNotNavigateToFriend, MessageIcon::Information);
        return false;
    }
    SetNavigationTarget(data_, track->fix,
                        track->shortName.empty() ? track->ownerId : track->shortName);
    SaveNavigation(data_);
    map_.SetCenter(track->fix);
    return true;
}

void CDlgTrackList::Delete() {
    CGpsTrackInfo* track = Selected();
    if (track == nullptr) return;
    const std::u16string owner = track->ownerId;
    if (ShowStringMessage(StringId::AreYouSureToDeleteTrack, MessageIcon::Question, {owner}) !=
        platform::MessageAnswer::Yes) {
        return;
    }
    // The file is named as the saves name it, so an address from the network never
    // reaches outside "ftracks".
    const std::string path =
        platform::JoinPath(platform::JoinPath(platform::ProgramFolder(), kFriendTrackFolder),
                           FriendTrackFileName(owner));
    if (platform::PathExists(path) && !platform::DeletePath(path)) {
        ShowStringMessage(StringId::DeletingTrackFailed, MessageIcon::Error, {owner});
        return;
    }
    if (!data_.friendTracks.RemoveTrack(track))
        ShowStringMessage(StringId::DeletingTrackFailed, MessageIcon::Error, {owner});
    const std::size_t index = *selection_;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    selection_.reset();
    if (!items_.empty()) selection_ = std::min(index, items_.size() - 1);
    map_.Invalidate();
}

}  // namespace rq
