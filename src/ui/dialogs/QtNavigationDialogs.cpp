#include "ui/dialogs/QtNavigationDialogs.h"

#include "ui/dialogs/GpsSensitivityDialog.h"
#include "ui/dialogs/NavigateToDialog.h"
#include "ui/dialogs/TrackListDialog.h"

namespace rq::ui {

bool QtNavigationDialogs::RunGpsSensitivity(CDlgGpsSensitivity& dlg) {
    GpsSensitivityDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtNavigationDialogs::RunNavigateTo(CDlgNavigateTo& dlg) {
    NavigateToDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtNavigationDialogs::RunTrackList(CDlgTrackList& dlg) {
    TrackListDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtNavigationDialogs::RunPoiManager(CPoiCollection& pois) {
    if (poiManager_) poiManager_(pois);
}

std::optional<CCoordinate> QtNavigationDialogs::RunPositionMessagesToNavigate() {
    return positionMessages_ ? positionMessages_() : std::nullopt;
}

}  // namespace rq::ui
