// How the navigation commands show their dialogs: the program shows the Qt widgets,
// tests answer from a script. Each Run returns when the dialog has closed.
#pragma once

#include <optional>

#include "geo/Coordinate.h"
#include "track/DlgGpsSensitivity.h"
#include "track/DlgNavigateTo.h"
#include "view/DlgTrackList.h"

namespace rq {

class CPoiCollection;

class NavigationDialogs {
public:
    virtual ~NavigationDialogs() = default;

    // True on OK (the dialog's Ok() accepted the values).
    virtual bool RunGpsSensitivity(CDlgGpsSensitivity& dlg) = 0;
    // True on OK (the dialog's Ok() accepted the selection).
    virtual bool RunNavigateTo(CDlgNavigateTo& dlg) = 0;
    // Opens the list (dlg.Open()); true when it closed on its left soft key ("Go to"
    // or "Navigate", whose work is done by then).
    virtual bool RunTrackList(CDlgTrackList& dlg) = 0;

    // The dialogs of other areas that "Navigate By" leads to.
    // The POI manager on `pois`; its own "Navigate" sets the target.
    virtual void RunPoiManager(CPoiCollection& pois) = 0;
    // The position message list; when it closed with its navigate result (100) after a
    // message was chosen, that message's position (the list has set the target).
    virtual std::optional<CCoordinate> RunPositionMessagesToNavigate() = 0;
};

}  // namespace rq
