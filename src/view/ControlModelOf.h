// The controls' window on the model.
#pragma once

#include "controls/ControlModel.h"
#include "view/GpsViewData.h"

namespace rq {

inline CControlModel ControlModelOf(CGpsViewData& data) {
    return {data.track,         data.route,  data.friendTracks, data.localPois,
            data.positionTexts, data.target, data.navigating,   data.unitMode};
}

}  // namespace rq
