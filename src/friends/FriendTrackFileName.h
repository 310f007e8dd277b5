// The file of a friend track in "ftracks" is named after the friend's address, which
// comes from the network. Ordinary addresses (letters, digits, "+") keep the name
// "%s.trk"; anything that could leave the folder, hide the file or upset the file system
// is escaped, so the name is always one plain component of that folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rq {

inline constexpr const char* kFriendTrackFolder = "ftracks";

// The same address always gives the same name, and different addresses different names
// (except that addresses too long for a file name share a prefix and a 64-bit hash).
std::string FriendTrackFileName(std::u16string_view ownerId);
// The address a file name stands for: ".trk" removed and escapes undone. For the hashed
// form of a long address only the kept prefix comes back.
std::u16string OwnerIdFromFriendTrackFileName(std::string_view fileName);

// The files of a listing of "ftracks" that start-up loads, one per owner, in name order:
// the owner's own name (FriendTrackFileName) when the folder holds it, else the first by
// name of the others that stand for that owner (a hand-written "+49 170.trk" beside
// "+49%0020170.trk"). Saves only ever write the owner's own name, so a file left out
// here is never overwritten, and the choice does not depend on the listing's order.
std::vector<std::string> FriendTrackFilesToLoad(std::vector<std::string> fileNames);

}  // namespace rq
