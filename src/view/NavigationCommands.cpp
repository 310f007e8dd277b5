#include "view/NavigationCommands.h"

#include "controls/GpsMapControl.h"
#include "track/RecordingSettings.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"
#include "view/NavigationDialogs.h"
#include "view/ViewDisplay.h"

namespace rq {

namespace {

void NavigateBy(CGpsViewData& data, CGpsMapControl& map, NavigationDialogs& dialogs,
                CDlgNavigateTo::Source source) {
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
                map.SetCenter(*at);
            }
            break;
        case Source::Here:
            SetNavigationTarget(data, map.GetCenter(), u"");
            SaveNavigation(data);
            break;
        case Source::FriendPosition: {
            CDlgTrackList list(map, data, CDlgTrackList::Bar::Navigate);
            dialogs.RunTrackList(list);
            break;
        }
    }
}

}  // namespace

void NavigateToCommand(CGpsViewData& data, CGpsMapControl& map, CViewDisplay& display,
                       NavigationDialogs& dialogs) {
    if (data.navigating) {
        StopNavigation(data);
        SaveNavigation(data);
        display.RefreshVisibleControl();
        return;
    }
    CDlgNavigateTo dlg;
    if (!dialogs.RunNavigateTo(dlg)) return;
    NavigateBy(data, map, dialogs, dlg.Result());
    display.RefreshVisibleControl();
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

void FriendTrackListCommand(CGpsViewData& data, CGpsMapControl& map, CViewDisplay& display,
                            NavigationDialogs& dialogs) {
    CDlgTrackList list(map, data, CDlgTrackList::Bar::GoToMenu);
    dialogs.RunTrackList(list);
    display.RefreshVisibleControl();
}

}  // namespace rq
