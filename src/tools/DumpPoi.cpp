// The ".poi" kind of roamquill-tool dump.
#include <cstdio>

#include "poi/PoiCollection.h"
#include "tools/FileDump.h"
#include "tools/Json.h"
#include "tools/PoiJson.h"

namespace rq::tool {

namespace {

int DumpPoi(const std::string& path) {
    CPoiCollection pois;
    if (!pois.LoadFrom(path)) {
        std::fprintf(stderr, "roamquill-tool dump: %s is not a whole POI file\n", path.c_str());
        return 1;
    }
    JsonLine header;
    header.Field("kind", "poi").Field("categories", static_cast<std::int64_t>(pois.GetCount()));
    header.Print();
    PrintPoiCollection(pois);
    return 0;
}

const FileDumpKind kPoi(".poi", DumpPoi);

}  // namespace

}  // namespace rq::tool
