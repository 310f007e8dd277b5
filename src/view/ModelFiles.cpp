#include "view/ModelFiles.h"

#include <algorithm>
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

// A saved track that does not load is kept aside: the next save of that track would
// otherwise replace it with only what was recorded since.
void ReportDamagedTrack(const char* folder, const std::string& fileName) {
    std::string badPath;
    platform::SetAsideFile(TrackPath(folder, fileName), badPath);
    Report(StringId::LoadingTrackFailed, fileName);
}

}  // namespace

void LoadSavedTracks(CGpsViewData& data) {
    if (platform::PathExists(TrackPath(kTracks, kCurrentTrack))) {
        if (!LoadTrack(kTracks, kCurrentTrack, data.track)) {
            data.track.Clear();
            ReportDamagedTrack(kTracks, kCurrentTrack);
        }
    }
    const std::string folder = platform::JoinPath(platform::ProgramFolder(), kFriendTrackFolder);
    LoadFriendTracks(data, platform::FindFiles(folder, "*.trk"));
}

void LoadFriendTracks(CGpsViewData& data, const std::vector<std::string>& fileNames) {
    for (const std::string& fileName : FriendTrackFilesToLoad(fileNames)) {
        const std::u16string owner = OwnerIdFromFriendTrackFileName(fileName);
        if (data.friendTracks.FindByOwner(owner)) continue;
        CGpsTrackInfo* track = data.friendTracks.AddOwner(owner, u"", kFriendTrackColour);
        if (!LoadTrack(kFriendTrackFolder, fileName, *track)) {
            data.friendTracks.RemoveTrack(track);
            ReportDamagedTrack(kFriendTrackFolder, fileName);
            continue;
        }
        // The file names its owner again inside, and the track is saved under that
        // owner's own name at exit: it must not take the place of the file an earlier
        // track or the owner's own file holds, or that history would be saved over.
        const std::string ownName = FriendTrackFileName(track->ownerId);
        const bool ownFileListed =
            ownName != fileName &&
            std::find(fileNames.begin(), fileNames.end(), ownName) != fileNames.end();
        if (data.friendTracks.FindByOwner(track->ownerId) != track || ownFileListed)
            data.friendTracks.RemoveTrack(track);
    }
}

bool SaveModifiedTracks(CGpsViewData& data) {
    const std::vector<std::string> failed = SaveModifiedTracksQuietly(data);
    for (const std::string& fileName : failed) ReportSavingTrackFailed(fileName);
    return failed.empty();
}

std::vector<std::string> SaveModifiedTracksQuietly(CGpsViewData& data) {
    std::vector<std::string> failed;
    if (data.track.IsModified() && !SaveTrack(kTracks, kCurrentTrack, data.track))
        failed.push_back(kCurrentTrack);
    for (const auto& track : data.friendTracks.Tracks()) {
        if (!track->IsModified()) continue;
        // Ordinary addresses give "%s.trk"; others are escaped so the name stays one
        // file inside the folder.
        const std::string fileName = FriendTrackFileName(track->ownerId);
        if (!SaveTrack(kFriendTrackFolder, fileName, *track)) failed.push_back(fileName);
    }
    return failed;
}

void ReportSavingTrackFailed(const std::string& fileName) {
    Report(StringId::SavingTrackFailed, fileName);
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
