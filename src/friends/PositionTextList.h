// The received position texts in arrival order, kept in "default.pxt" between runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "friends/ModifyControl.h"
#include "friends/PositionText.h"

namespace rq {

inline constexpr const char* kPositionTextFileName = "default.pxt";
inline constexpr std::uint32_t kPositionTextMagic = 0xC8374011u;
inline constexpr std::size_t kPositionTextHeaderSize = 8;
inline constexpr std::size_t kPositionTextRecordSize = 354;

class CPositionTextList : public CModifyControl {
public:
    std::size_t GetCount() const { return texts_.size(); }
    bool IsEmpty() const { return texts_.empty(); }
    CPositionText* GetAt(std::size_t index) const {
        return index < texts_.size() ? texts_[index].get() : nullptr;
    }

    // Appends; the list becomes modified.
    CPositionText* AddPositionText(double latitude, double longitude, std::u16string text,
                                   std::u16string sender);
    // Destroys `element` when it is in the list (the list becomes modified).
    bool RemovePositionText(const CPositionText* element);
    void Clear() { texts_.clear(); }

    // The file form: header (magic, count) and one zeroed 354-byte record per text.
    // Loading replaces the list; a short or foreign file leaves it empty. Either way the
    // modified flag is cleared.
    bool Load(const std::uint8_t* bytes, std::size_t size);
    // Clears the modified flag; the caller writes the bytes.
    std::vector<std::uint8_t> Save();

    // "default.pxt" in the program folder.
    static std::string DefaultPath();
    // False when the file cannot be read (the list is then untouched) or is corrupt.
    bool LoadFile(const std::string& path = DefaultPath());
    // Written through a temporary file; the modified flag stays set when that fails.
    bool SaveFile(const std::string& path = DefaultPath());

private:
    std::vector<std::unique_ptr<CPositionText>> texts_;
};

// Start of a run: "default.pxt" is loaded when it exists, with the wait cursor; a file
// that does not load shows message 194 and leaves the list empty.
void LoadDefaultPositionTexts(CPositionTextList& texts);
// End of a run: written only when the list was changed; a failure shows message 195.
bool SaveDefaultPositionTexts(CPositionTextList& texts);

}  // namespace rq
