// "default.pxt" on disk, apart from its byte form.
#include "app/StringTable.h"
#include "friends/PositionTextList.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

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

void LoadDefaultPositionTexts(CPositionTextList& texts) {
    const std::string path = CPositionTextList::DefaultPath();
    if (!platform::PathExists(path)) return;
    platform::WaitCursor wait;
    if (!texts.LoadFile(path)) {
        texts.Clear();
        texts.SetModified(false);
        ShowStringMessage(StringId::FailedToLoadDefaultPositionText, platform::MessageIcon::Error);
    }
}

bool SaveDefaultPositionTexts(CPositionTextList& texts) {
    if (!texts.IsModified()) return true;
    // The saving failure has its own text; the load failure's text would mislead here.
    if (texts.SaveFile(CPositionTextList::DefaultPath())) return true;
    ShowStringMessage(StringId::FailedToSaveDefaultPositionText, platform::MessageIcon::Error);
    return false;
}

}  // namespace rq
