#include "poi/DlgSelectPoiCollection.h"

#include "app/StringTable.h"

namespace rq {

CDlgSelectPoiCollection::CDlgSelectPoiCollection()
    : entries_{{LoadResourceString(StringId::LocalPoi), PoiCollectionKind::Local},
               {LoadResourceString(StringId::TrackPoi), PoiCollectionKind::Track}} {}

bool CDlgSelectPoiCollection::Ok() {
    if (selection < 0 || static_cast<std::size_t>(selection) >= entries_.size()) return false;
    result_ = entries_[static_cast<std::size_t>(selection)].kind;
    return true;
}

}  // namespace rq
