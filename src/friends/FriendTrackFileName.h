// The file of a friend track in "ftracks" is named after the friend's address, which
// comes from the network. Ordinary addresses (letters, digits, "+") keep the name
// "%s.trk"; anything that could leave the folder, hide the file or upset the file system
// is escaped, so the name is always one plain component of that folder.
#pragma once

#include <string>
#include <string_view>

namespace rq {

inline constexpr const char* kFriendTrackFolder = "ftracks";

// The same address always gives the same name, and different addresses different names
// (except that addresses too long for a file name share a prefix and a 64-bit hash).
std::string FriendTrackFileName(std::u16string_view ownerId);
// The address a file name stands for: ".trk" removed and escapes undone. For the hashed
// form of a long address only the kept prefix comes back.
std::u16string OwnerIdFromFriendTrackFileName(std::string_view fileName);

}  // namespace rq
