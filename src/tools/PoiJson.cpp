#include "tools/PoiJson.h"

#include "tools/Json.h"

namespace rq::tool {

void PrintPoiCollection(const CPoiCollection& pois) {
    for (const auto& category : pois.Categories()) {
        JsonLine line;
        line.Field("category", category->name)
            .Field("pois", static_cast<std::int64_t>(category->GetCount()));
        line.Print();
        for (const auto& poi : category->Pois()) {
            JsonLine p;
            p.Field("poi", poi->name).Field("category", category->name).Field("type", poi->type);
            p.Field("lat", poi->m_lat.value).Field("lon", poi->m_lon.value);
            p.Print();
        }
    }
}

}  // namespace rq::tool
