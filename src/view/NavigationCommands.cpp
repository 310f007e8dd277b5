#include "view/NavigationCommands.h"

#include "track/RecordingSettings.h"
#include "view/Navigation.h"
#include "view/NavigationDialogs.h"
#include "view/RoamquillPPCView.h"

namespace rq {

namespace {

void NavigateBy(CRoamquillPPCView& view, NavigationDialogs& dialogs,
                CDlgNavigateTo::Source source) {
    CGpsViewData& data = view.Data();
    using Source = CDlgNavigateTo::Source;
    switch (source) {
        case Source::LocalPoi:
            dialogs.RunPoiManager(data.localPois);
            break;
        case Source::TrackPoi:
            dialogs.RunPoiManager(data.track.pois);
            break;
        case Source::RoutePoi:
            dialogs.RunPoiManager(data.route.pois);
            break;
        case Source::PositionMessage:
            if (const std::optional<CCoordinate> at = dialogs.RunPositionMessagesToNavigate()) {
                SaveNavigation(data);
                view.CenterMap(*at);
            }
            break;
        case Source::Here:
            SetNavigationTarget(data, view.Map().GetCenter(), u"");
            SaveNavigation(data);
            break;
        case Source::FriendPosition: {
            CDlgTrackList list(view.Map(), data, CDlgTrackList::Bar::Navigate);
            dialogs.RunTrackList(list);
            break;
        }
    }
}

}  // namespace

void NavigateToCommand(CRoamquillPPCView& view, NavigationDialogs& dialogs) {
    CGpsViewData& data = view.Data();
    if (data.navigating) {
        StopNavigation(data);
        SaveNavigation(data);
        view.RefreshVisibleControl();
        return;
    }
    CDlgNavigateTo dlg;
    if (!dialogs.RunNavigateTo(dlg)) return;
    NavigateBy(view, dialogs, dlg.Result());
    view.RefreshVisibleControl();
}

StringId NavigateToText(const CGpsViewData& data) {
    return data.navigating ? StringId::StopNavigating : StringId::NavigateTo;
}

void SensitivityCommand(CRecordingSettings& settings, NavigationDialogs& dialogs) {
    CDlgGpsSensitivity dlg(settings);
    if (!dialogs.RunGpsSensitivity(dlg)) return;
    settings = dlg.Result();
    WriteRecordingSettings(settings);
}

void FriendTrackListCommand(CRoamquillPPCView& view, NavigationDialogs& dialogs) {
    CDlgTrackList list(view.Map(), view.Data(), CDlgTrackList::Bar::GoToMenu);
    dialogs.RunTrackList(list);
    view.RefreshVisibleControl();
}

}  // namespace rq
