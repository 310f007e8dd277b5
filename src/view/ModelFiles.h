// The model's files at the start and the end of a run: the current track "my.tk" and
// the friend tracks in "ftracks", the last route and the navigation target.
#pragma once

#include <string>
#include <vector>

namespace rq {

class CGpsViewData;

// Loads "tracks/my.tk" when it exists and every "ftracks/*.trk" as a friend track;
// each failure shows message 155 with the file name. A friend track that fails is
// removed again; an own track that fails is cleared.
void LoadSavedTracks(CGpsViewData& data);
// The friend tracks part of it, over a listing of "ftracks" in any order: one track per
// owner (FriendTrackFilesToLoad); a file whose stored owner already has a track is left
// unread, so two files never fill one track.
void LoadFriendTracks(CGpsViewData& data, const std::vector<std::string>& fileNames);
// Saves the own track as "my.tk" when it or its POIs are modified, then every modified
// friend track under its owner identifier (FriendTrackFileName); each failure shows message 162.
// Returns whether every save that was due succeeded.
bool SaveModifiedTracks(CGpsViewData& data);
// The same saves without a message: the names of the files whose save failed, for a
// caller that tells the user in its own way.
std::vector<std::string> SaveModifiedTracksQuietly(CGpsViewData& data);
// Message 162 for `fileName`.
void ReportSavingTrackFailed(const std::string& fileName);
// "Last Loaded Route" (cleared, with message 163, when the file fails) and the
// navigation group.
void RestoreRouteAndNavigation(CGpsViewData& data);

}  // namespace rq
