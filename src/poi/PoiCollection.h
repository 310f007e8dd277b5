// Categories of POIs in insertion order, with the .poi file. The default category is
// the one named by string 210 ("General") in the current language; a new or cleared
// collection holds exactly that one.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "poi/PoiCategory.h"

namespace rq {

class CByteSource;

class CPoiCollection {
public:
    bool modified = false;
    // For the local collection the file name with ".poi" (no folder); empty when never
    // saved or loaded.
    std::u16string name;

    // Holds only the default category, every flag cleared.
    CPoiCollection();
    CPoiCollection(const CPoiCollection&) = delete;
    CPoiCollection& operator=(const CPoiCollection&) = delete;

    // Names compare exactly; the first category in list order wins.
    CPoiCategory* FindCategory(const std::u16string& categoryName) const;
    bool HasCategory(const std::u16string& categoryName) const;
    // Appends without checking for duplicates; marks the category and the collection
    // modified.
    CPoiCategory* AddCategory(const std::u16string& categoryName);
    // Destroys the first category of that name with its POIs. The default category is
    // not protected here; the commands do that.
    bool DeleteCategory(const std::u16string& categoryName);
    // Back to the default category alone, marked modified.
    void Clear();

    // Any category's flag, else the collection's own.
    bool IsModified() const;
    // True when no category holds a POI.
    bool IsEmpty() const;
    void SetModified(bool flag, bool recurse);

    std::size_t GetCount() const { return categories_.size(); }
    CPoiCategory* GetAt(std::size_t index) const {
        return index < categories_.size() ? categories_[index].get() : nullptr;
    }
    const std::vector<std::unique_ptr<CPoiCategory>>& Categories() const { return categories_; }

    // The file "<program folder>pois/<name>".
    std::string FilePath() const;
    bool Save();
    bool Load();
    // The same on an explicit path. A save goes to a temporary file renamed over the
    // destination, so a failed save leaves the old file whole and the flags set.
    bool SaveTo(const std::string& path);
    // False, and the collection untouched, when the file cannot be opened; false, and
    // the collection cleared, when it is damaged.
    bool LoadFrom(const std::string& path);
    // The file's bytes from any source (the loader behind LoadFrom).
    bool LoadFromSource(CByteSource& source);

private:
    std::vector<std::unique_ptr<CPoiCategory>> categories_;
};

}  // namespace rq
