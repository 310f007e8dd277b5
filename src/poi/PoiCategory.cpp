#include "poi/PoiCategory.h"

#include <algorithm>

namespace rq {

CPoi* CPoiCategory::AddPoi(const std::u16string& poiName, const CCoordinate& position,
                           std::uint32_t type) {
    auto poi = std::make_unique<CPoi>(
        poiName, CCoordinate(position.m_lat.value, position.m_lon.value), type);
    CPoi* added = poi.get();
    pois_.push_back(std::move(poi));
    modified = true;
    return added;
}

bool CPoiCategory::RemovePoi(const CPoi* poi) {
    const auto it = std::find_if(pois_.begin(), pois_.end(),
                                 [poi](const std::unique_ptr<CPoi>& p) { return p.get() == poi; });
    if (it == pois_.end()) return false;
    pois_.erase(it);
    return true;
}

std::unique_ptr<CPoi> CPoiCategory::DetachPoi(const CPoi* poi) {
    const auto it = std::find_if(pois_.begin(), pois_.end(),
                                 [poi](const std::unique_ptr<CPoi>& p) { return p.get() == poi; });
    if (it == pois_.end()) return nullptr;
    std::unique_ptr<CPoi> detached = std::move(*it);
    pois_.erase(it);
    return detached;
}

CPoi* CPoiCategory::AppendPoi(std::unique_ptr<CPoi> poi) {
    if (poi == nullptr) return nullptr;
    CPoi* appended = poi.get();
    pois_.push_back(std::move(poi));
    modified = true;
    return appended;
}

void CPoiCategory::RemoveAllPois() {
    pois_.clear();
    modified = true;
}

}  // namespace rq
