#include "poi/DlgEditPoi.h"

#include "app/StringTable.h"
#include "geo/CoordinateEntry.h"
#include "platform/Text.h"
#include "poi/PoiTypeTable.h"

namespace rq {

CDlgEditPoi::CDlgEditPoi(const CPoiCollection& collection) : collection_(collection) {}

std::u16string CDlgEditPoi::Caption() const {
    return collection_.name.empty() ? LoadResourceString(StringId::NoName) : collection_.name;
}

void CDlgEditPoi::Open() {
    nameText = name;
    latitudeText = EntryMagnitudeText(coordinate.m_lat.value);
    longitudeText = EntryMagnitudeText(coordinate.m_lon.value);
    latitudeHemisphere = EntryHemisphereIndex(coordinate.m_lat.value);
    longitudeHemisphere = EntryHemisphereIndex(coordinate.m_lon.value);

    categories_.clear();
    categoryIndex = -1;
    for (const auto& category : collection_.Categories()) {
        if (categoryIndex < 0 && category->name == categoryName)
            categoryIndex = static_cast<int>(categories_.size());
        categories_.push_back(category->name);
    }
    if (categories_.empty()) categories_.push_back(LoadResourceString(StringId::General));
    if (categoryIndex < 0) categoryIndex = 0;

    types_.clear();
    typeIndex = -1;
    const PoiTypeRow* rows = PoiTypeRows();
    for (std::size_t i = 0; i < kPoiTypeCount; ++i) {
        types_.push_back({LoadResourceString(rows[i].labelId), rows[i].type});
        if (rows[i].type == type) typeIndex = static_cast<int>(i);
    }
}

bool CDlgEditPoi::Ok() {
    const CoordinateEntryResult entry =
        ReadCoordinateEntry(latitudeText, latitudeHemisphere, longitudeText, longitudeHemisphere);
    if (!entry.ok) {
        ShowStringMessage(*entry.message, platform::MessageIcon::Error);
        return false;
    }
    name = platform::Trim(nameText);
    coordinate.m_lat.Set(entry.coordinate.m_lat);
    coordinate.m_lon.Set(entry.coordinate.m_lon);
    if (typeIndex >= 0 && static_cast<std::size_t>(typeIndex) < types_.size())
        type = types_[static_cast<std::size_t>(typeIndex)].type;
    if (categoryIndex >= 0 && static_cast<std::size_t>(categoryIndex) < categories_.size())
        categoryName = categories_[static_cast<std::size_t>(categoryIndex)];
    return true;
}

}  // namespace rq
