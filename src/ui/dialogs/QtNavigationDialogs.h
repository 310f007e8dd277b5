// The navigation commands' dialogs as Qt widgets, modal over `parent`. The POI manager
// and the position message list belong to other dialogs; the front end hands them in.
#pragma once

#include <functional>

#include "view/NavigationDialogs.h"

class QWidget;

namespace rq::ui {

class QtNavigationDialogs : public NavigationDialogs {
public:
    using PoiManagerFn = std::function<void(CPoiCollection&)>;
    using PositionMessagesFn = std::function<std::optional<CCoordinate>()>;

    explicit QtNavigationDialogs(QWidget* parent) : parent_(parent) {}
    // Without them, the two sources do nothing.
    void SetPoiManager(PoiManagerFn run) { poiManager_ = std::move(run); }
    void SetPositionMessages(PositionMessagesFn run) { positionMessages_ = std::move(run); }

    bool RunGpsSensitivity(CDlgGpsSensitivity& dlg) override;
    bool RunNavigateTo(CDlgNavigateTo& dlg) override;
    bool RunTrackList(CDlgTrackList& dlg) override;
    void RunPoiManager(CPoiCollection& pois) override;
    std::optional<CCoordinate> RunPositionMessagesToNavigate() override;

private:
    QWidget* parent_;
    PoiManagerFn poiManager_;
    PositionMessagesFn positionMessages_;
};

}  // namespace rq::ui
