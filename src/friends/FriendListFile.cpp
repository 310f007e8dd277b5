// The friend list on disk, apart from its text form so that the form can be used where
// no file system is wanted.
#include "friends/FriendList.h"
#include "platform/Files.h"

namespace rq {

std::string CFriendList::DefaultPath() {
    return platform::JoinPath(platform::ProgramFolder(), kFriendsFileName);
}

bool CFriendList::Load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) return false;
    ParseFile(bytes.data(), bytes.size());
    return true;
}

bool CFriendList::Save(const std::string& path) const {
    const std::vector<std::uint8_t> bytes = FormatFile();
    platform::AtomicFileWriter writer(path);
    if (!writer.IsOpen()) return false;
    if (!bytes.empty() && !writer.Write(bytes.data(), bytes.size())) return false;
    return writer.Commit();
}

}  // namespace rq
