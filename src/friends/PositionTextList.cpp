#include "friends/PositionTextList.h"

#include "platform/LittleEndian.h"

namespace rq {

using namespace platform;

namespace {
constexpr std::size_t kSenderAt = 16, kSenderUnits = 128, kTextAt = 272, kTextUnits = 41;
}

CPositionText* CPositionTextList::AddPositionText(double latitude, double longitude,
                                                  std::u16string text, std::u16string sender) {
    texts_.push_back(
        std::make_unique<CPositionText>(latitude, longitude, std::move(text), std::move(sender)));
    SetModified(true);
    return texts_.back().get();
}

bool CPositionTextList::RemovePositionText(const CPositionText* element) {
    for (auto it = texts_.begin(); it != texts_.end(); ++it) {
        if (it->get() == element) {
            texts_.erase(it);
            SetModified(true);
            return true;
        }
    }
    return false;
}

bool CPositionTextList::Load(const std::uint8_t* bytes, std::size_t size) {
    Clear();
    if (bytes == nullptr || size < kPositionTextHeaderSize || GetU32(bytes) != kPositionTextMagic) {
        SetModified(false);
        return false;
    }
    const std::uint32_t count = GetU32(bytes + 4);
    std::size_t at = kPositionTextHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i, at += kPositionTextRecordSize) {
        if (size - at < kPositionTextRecordSize) {
            Clear();
            SetModified(false);
            return false;
        }
        const std::uint8_t* r = bytes + at;
        AddPositionText(GetF64(r), GetF64(r + 8), GetText(r + kTextAt, kTextUnits),
                        GetText(r + kSenderAt, kSenderUnits));
    }
    SetModified(false);
    return true;
}

std::vector<std::uint8_t> CPositionTextList::Save() {
    std::vector<std::uint8_t> out(kPositionTextHeaderSize + texts_.size() * kPositionTextRecordSize,
                                  0);
    PutU32(out.data(), kPositionTextMagic);
    PutU32(out.data() + 4, static_cast<std::uint32_t>(texts_.size()));
    std::uint8_t* r = out.data() + kPositionTextHeaderSize;
    for (const auto& t : texts_) {
        PutF64(r, t->GetLatitude().value);
        PutF64(r + 8, t->GetLongitude().value);
        PutText(r + kSenderAt, kSenderUnits, kSenderUnits - 1, t->sender);
        PutText(r + kTextAt, kTextUnits, kTextUnits - 1, t->text);
        r += kPositionTextRecordSize;
    }
    SetModified(false);
    return out;
}

}  // namespace rq
