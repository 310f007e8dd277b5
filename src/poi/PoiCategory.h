// A named list of POIs in insertion order; the category owns them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "poi/Poi.h"

namespace rq {

class CPoiCategory {
public:
    bool modified = false;
    std::u16string name;

    explicit CPoiCategory(std::u16string categoryName = {}) : name(std::move(categoryName)) {}
    CPoiCategory(const CPoiCategory&) = delete;
    CPoiCategory& operator=(const CPoiCategory&) = delete;

    // Appends a POI with the coordinate's latitude and longitude; marks the category
    // modified.
    CPoi* AddPoi(const std::u16string& poiName, const CCoordinate& position, std::uint32_t type);
    // Unlinks and destroys the POI (found by identity); false when it is not here.
    // The caller marks what it needs as modified.
    bool RemovePoi(const CPoi* poi);
    // Destroys every POI and marks the category modified.
    void RemoveAllPois();
    // Unlinks the POI (found by identity) and hands it over, for a move to another
    // category; none when it is not here.
    std::unique_ptr<CPoi> DetachPoi(const CPoi* poi);
    // Appends a POI taken from another category; marks the category modified.
    CPoi* AppendPoi(std::unique_ptr<CPoi> poi);

    std::size_t GetCount() const { return pois_.size(); }
    bool IsEmpty() const { return pois_.empty(); }
    CPoi* GetAt(std::size_t index) const {
        return index < pois_.size() ? pois_[index].get() : nullptr;
    }
    const std::vector<std::unique_ptr<CPoi>>& Pois() const { return pois_; }

private:
    std::vector<std::unique_ptr<CPoi>> pois_;
};

}  // namespace rq
