// "default.pxt" on disk, apart from its byte form.
#include "friends/PositionTextList.h"
#include "platform/Files.h"

namespace rq {

std::string CPositionTextList::DefaultPath() {
    return platform::JoinPath(platform::ProgramFolder(), kPositionTextFileName);
}

bool CPositionTextList::LoadFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) return false;
    return Load(bytes.data(), bytes.size());
}

bool CPositionTextList::SaveFile(const std::string& path) {
    const bool wasModified = IsModified();
    const std::vector<std::uint8_t> bytes = Save();
    if (platform::WriteFileAtomically(path, bytes.data(), bytes.size())) return true;
    SetModified(wasModified);
    return false;
}

}  // namespace rq
