#include "poi/PoiRecords.h"

#include "platform/LittleEndian.h"

namespace rq {

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

void PutName(std::uint8_t* at, const std::u16string& name) {
    platform::PutText(at, kPoiNameUnits, kPoiNameMaxUnits, StoredPoiName(name));
}

}  // namespace

std::u16string_view StoredPoiName(std::u16string_view name) {
    if (name.size() <= kPoiNameMaxUnits) return name;
    std::size_t length = kPoiNameMaxUnits;
    if (IsHighSurrogate(name[length - 1])) --length;
    return name.substr(0, length);
}

void EncodeCategoryRecord(std::uint8_t* out, const std::u16string& name, std::uint32_t poiCount) {
    platform::PutU32(out, kPoiCategoryMagic);
    PutName(out + 4, name);
    platform::PutU32(out + 260, poiCount);
}

void EncodePoiRecord(std::uint8_t* out, const CPoi& poi) {
    PutName(out, poi.name);
    platform::PutU32(out + 256, poi.type);
    platform::PutF64(out + 260, poi.m_lat.value);
    platform::PutF64(out + 268, poi.m_lon.value);
}

bool WriteCategoryBlock(CByteSink& sink, const CPoiCategory& category) {
    std::uint8_t record[kPoiCategoryRecordSize];
    EncodeCategoryRecord(record, category.name, static_cast<std::uint32_t>(category.GetCount()));
    if (!sink.Write(record, sizeof record)) return false;
    for (const auto& poi : category.Pois()) {
        std::uint8_t poiRecord[kPoiRecordSize];
        EncodePoiRecord(poiRecord, *poi);
        if (!sink.Write(poiRecord, sizeof poiRecord)) return false;
    }
    return true;
}

bool ReadCategoryBlock(CByteSource& source, CPoiCollection& collection) {
    std::uint8_t record[kPoiCategoryRecordSize];
    if (!source.Read(record, sizeof record)) return false;
    if (platform::GetU32(record) != kPoiCategoryMagic) return false;
    const std::u16string name = platform::GetText(record + 4, kPoiNameUnits);
    const std::uint32_t poiCount = platform::GetU32(record + 260);

    CPoiCategory* category = collection.FindCategory(name);
    if (category == nullptr) category = collection.AddCategory(name);
    for (std::uint32_t i = 0; i < poiCount; ++i) {
        std::uint8_t poiRecord[kPoiRecordSize];
        if (!source.Read(poiRecord, sizeof poiRecord)) return false;
        const CCoordinate position(platform::GetF64(poiRecord + 260),
                                   platform::GetF64(poiRecord + 268));
        category->AddPoi(platform::GetText(poiRecord, kPoiNameUnits), position,
                         platform::GetU32(poiRecord + 256));
    }
    category->modified = false;
    return true;
}

}  // namespace rq
