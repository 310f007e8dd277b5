#include "track/DlgOpenFile.h"

#include <algorithm>

#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace rq {

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

}  // namespace

CDlgOpenFile::CDlgOpenFile(std::string folder, std::string filter, std::string extension, Bar bar,
                           FilenameAsker* asker)
    : folder_(std::move(folder)),
      filter_(std::move(filter)),
      extension_(std::move(extension)),
      bar_(bar),
      asker_(asker) {}

std::u16string CDlgOpenFile::ShownName(const std::string& fileName) const {
    // The ending is compared case-sensitively: "TRIP.TRK" keeps its whole name.
    if (fileName.size() > extension_.size() &&
        fileName.compare(fileName.size() - extension_.size(), extension_.size(), extension_) == 0) {
        return platform::FromUtf8(
            std::string_view(fileName).substr(0, fileName.size() - extension_.size()));
    }
    return platform::FromUtf8(fileName);
}

void CDlgOpenFile::Open() {
    entries_.clear();
    const std::string pattern = AsciiLowered(filter_);
    for (const std::string& name : platform::FindFiles(folder_, "*")) {
        if (!platform::MatchesWildcard(AsciiLowered(name), pattern) ||
            platform::IsDirectory(platform::JoinPath(folder_, name))) {
            continue;
        }
        entries_.push_back({name, ShownName(name)});
    }
    selection_.reset();
    if (!entries_.empty()) selection_ = 0;
}

void CDlgOpenFile::Select(std::optional<std::size_t> index) {
    selection_ = (index && *index < entries_.size()) ? index : std::nullopt;
}

bool CDlgOpenFile::Ok() {
    if (!selection_) {
        ShowStringMessage(StringId::SelectFileFirst, platform::MessageIcon::Information);
        return false;
    }
    // The name as found, not the shown text plus the extension: a "TRIP.TRK" would
    // otherwise be opened as "TRIP.TRK.trk", which does not exist.
    result_ = entries_[*selection_].fileName;
    return true;
}

void CDlgOpenFile::Delete() {
    if (!selection_) {
        ShowStringMessage(StringId::SelectFileFirst, platform::MessageIcon::Information);
        return;
    }
    const std::size_t index = *selection_;
    const Entry& entry = entries_[index];
    if (ShowStringMessage(StringId::AreYouSureToDeleteFile, platform::MessageIcon::Question,
                          {entry.shown}) != platform::MessageAnswer::Yes) {
        return;
    }
    if (!platform::DeletePath(platform::JoinPath(folder_, entry.fileName))) {
        ShowStringMessage(StringId::DeleteFileFailed, platform::MessageIcon::Error);
        return;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    selection_.reset();
    if (!entries_.empty()) selection_ = std::min(index, entries_.size() - 1);
}

void CDlgOpenFile::Rename() {
    if (!selection_) {
        ShowStringMessage(StringId::SelectFileFirst, platform::MessageIcon::Information);
        return;
    }
    if (asker_ == nullptr) return;
    Entry& entry = entries_[*selection_];
    const std::optional<std::u16string> answer =
        asker_->AskFilename(LoadResourceString(StringId::EnterFileName), entry.shown);
    if (!answer || *answer == entry.shown) return;
    const std::string newName = platform::ToUtf8(*answer) + extension_;
    // A name with a folder separator would move the file out of its folder.
    if (newName.find('/') != std::string::npos) {
        ShowStringMessage(StringId::CanNotRenameFile, platform::MessageIcon::Error);
        return;
    }
    const std::string target = platform::JoinPath(folder_, newName);
    if (platform::PathExists(target)) {
        ShowStringMessage(StringId::FileAlreadyExists, platform::MessageIcon::Error);
        return;
    }
    if (!platform::RenamePath(platform::JoinPath(folder_, entry.fileName), target)) {
        ShowStringMessage(StringId::CanNotRenameFile, platform::MessageIcon::Error);
        return;
    }
    entry.fileName = newName;
    entry.shown = *answer;
}

}  // namespace rq
