// JSON Lines of a POI collection, shared by the dumps of .poi and .trk files.
#pragma once

#include "poi/PoiCollection.h"

namespace rq::tool {

// One line per category ("category", "pois") followed by one per POI of it.
void PrintPoiCollection(const CPoiCollection& pois);

}  // namespace rq::tool
