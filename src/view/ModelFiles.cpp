#include "view/ModelFiles.h"

#include <string>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "friends/FriendTrackFileName.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "track/TrackFile.h"
#include "view/GpsViewData.h"

namespace rq {

using platform::MessageIcon;

namespace {

constexpr const char* kTracks = "tracks";
constexpr const char* kCurrentTrack = "my.tk";

void Report(StringId id, const std::string& fileName) {
    ShowStringMessage(id, MessageIcon::Error, {platform::FromUtf8(fileName)});
}

}  // namespace

void LoadSavedTracks(CGpsViewData& data) {
    if (platform::PathExists(TrackPath(kTracks, kCurrentTrack))) {
        if (!LoadTrack(kTracks, kCurrentTrack, data.track)) {
            data.track.Clear();
            Report(StringId::LoadingTrackFailed, kCurrentTrack);
        }
    }
    const std::string folder = platform::JoinPath(platform::ProgramFolder(), kFriendTrackFolder);
    for (const std::string& fileName : platform::FindFiles(folder, "*.trk")) {
        const std::u16string owner = OwnerIdFromFriendTrackFileName(fileName);
        CGpsTrackInfo* track = data.friendTracks.FindByOwner(owner);
        if (!track) track = data.friendTracks.AddOwner(owner, u"", kFriendTrackColour);
        if (!LoadTrack(kFriendTrackFolder, fileName, *track)) {
            data.friendTracks.RemoveTrack(track);
            Report(StringId::LoadingTrackFailed, fileName);
        }
    }
}

bool SaveModifiedTracks(CGpsViewData& data) {
    bool ok = true;
    if (data.track.IsModified() && !SaveTrack(kTracks, kCurrentTrack, data.track)) {
        Report(StringId::SavingTrackFailed, kCurrentTrack);
        ok = false;
    }
    for (const auto& track : data.friendTracks.Tracks()) {
        if (!track->IsModified()) continue;
        // Ordinary addresses give "%s.trk"; others are escaped so the name stays one
        // file inside the folder.
        const std::string fileName = FriendTrackFileName(track->ownerId);
        if (!SaveTrack(kFriendTrackFolder, fileName, *track)) {
            Report(StringId::SavingTrackFailed, fileName);
            ok = false;
        }
    }
    return ok;
}

void RestoreRouteAndNavigation(CGpsViewData& data) {
    const std::u16string route = GetLastLoadedRoute();
    if (!route.empty()) {
        const std::string fileName = platform::ToUtf8(route);
        if (platform::PathExists(TrackPath(kTracks, fileName)) &&
            !LoadRoute(kTracks, fileName, data.route)) {
            SetLastLoadedRoute(u"");
            ClearRoute(data.route);
            Report(StringId::LoadingRouteFailed, fileName);
        }
    }
    CCoordinate point;
    std::u16string name;
    std::uint32_t status = 0;
    if (GetNavigation(point, name, status)) {
        data.target.m_lat.Set(point.m_lat);
        data.target.m_lon.Set(point.m_lon);
        data.target.name = name;
        data.navigating = status;
    } else {
        data.navigating = 0;
    }
}

}  // namespace rq
