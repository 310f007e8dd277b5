#include "poi/PoiCollection.h"

#include <algorithm>

#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "platform/Text.h"
#include "poi/ByteStream.h"
#include "poi/PoiRecords.h"

namespace rq {

namespace {}

CPoiCollection::CPoiCollection() {
    Clear();
    SetModified(false, true);
}

CPoiCategory* CPoiCollection::FindCategory(const std::u16string& categoryName) const {
    for (const auto& category : categories_)
        if (category->name == categoryName) return category.get();
    return nullptr;
}

bool CPoiCollection::HasCategory(const std::u16string& categoryName) const {
    return FindCategory(categoryName) != nullptr;
}

CPoiCategory* CPoiCollection::AddCategory(const std::u16string& categoryName) {
    categories_.push_back(std::make_unique<CPoiCategory>(categoryName));
    CPoiCategory* added = categories_.back().get();
    added->modified = true;
    modified = true;
    return added;
}

bool CPoiCollection::DeleteCategory(const std::u16string& categoryName) {
    const auto it = std::find_if(
        categories_.begin(), categories_.end(),
        [&](const std::unique_ptr<CPoiCategory>& c) { return c->name == categoryName; });
    if (it == categories_.end()) return false;
    categories_.erase(it);
    modified = true;
    return true;
}

void CPoiCollection::Clear() {
    categories_.clear();
    AddCategory(LoadResourceString(StringId::General));
    modified = true;
}

bool CPoiCollection::IsModified() const {
    for (const auto& category : categories_)
        if (category->modified) return true;
    return modified;
}

bool CPoiCollection::IsEmpty() const {
    return std::all_of(categories_.begin(), categories_.end(),
                       [](const std::unique_ptr<CPoiCategory>& c) { return c->IsEmpty(); });
}

void CPoiCollection::SetModified(bool flag, bool recurse) {
    modified = flag;
    if (!recurse) return;
    for (const auto& category : categories_) category->modified = flag;
}

std::string CPoiCollection::FilePath() const {
    return platform::JoinPath(platform::JoinPath(platform::ProgramFolder(), "pois"),
                              platform::ToUtf8(name));
}

bool CPoiCollection::Save() {
    const std::string folder = platform::JoinPath(platform::ProgramFolder(), "pois");
    platform::CreateFolder(folder);  // usually there already
    return SaveTo(FilePath());
}

bool CPoiCollection::Load() {
    return LoadFrom(FilePath());
}

bool CPoiCollection::SaveTo(const std::string& path) {
    CAtomicFileSink sink(path);
    if (!sink.IsOpen()) return false;
    std::uint8_t header[kPoiFileHeaderSize];
    platform::PutU32(header, kPoiFileMagic);
    platform::PutU32(header + 4, static_cast<std::uint32_t>(categories_.size()));
    if (!sink.Write(header, sizeof header)) return false;
    for (const auto& category : categories_)
        if (!WriteCategoryBlock(sink, *category)) return false;
    // Only a file that is whole on disk counts as saved.
    if (!sink.Commit()) return false;
    SetModified(false, true);
    return true;
}

bool CPoiCollection::LoadFrom(const std::string& path) {
    // A folder opens for reading here (not on the device) and would then read short
    // and clear the collection; it is a file that cannot be opened.
    if (platform::IsDirectory(path)) return false;
    CFileSource source(path);
    if (!source.IsOpen()) return false;
    return LoadFromSource(source);
}

bool CPoiCollection::LoadFromSource(CByteSource& source) {
    Clear();
    std::uint8_t header[kPoiFileHeaderSize];
    if (!source.Read(header, sizeof header) || platform::GetU32(header) != kPoiFileMagic)
        return false;
    const std::uint32_t categoryCount = platform::GetU32(header + 4);
    for (std::uint32_t i = 0; i < categoryCount; ++i) {
        if (!ReadCategoryBlock(source, *this)) {
            Clear();
            return false;
        }
    }
    modified = false;
    return true;
}

}  // namespace rq
