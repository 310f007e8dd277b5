// The commands of navigation and recording sensitivity: "Navigate To ..." (with its
// "Stop Navigating" state), "Sensitivity" and "Friend Track List".
#pragma once

#include "resources/StringIds.h"

namespace rq {

class CGpsMapControl;
class CGpsViewData;
class CViewDisplay;
class NavigationDialogs;
struct CRecordingSettings;

// The commands work on the view's model, its map and its display (the view itself).

// "Navigate To ..." (32774): while navigating, stops (the settings follow at once) and
// refreshes the visible view; otherwise "Navigate By" and the chosen source, then the
// refresh.
void NavigateToCommand(CGpsViewData& data, CGpsMapControl& map, CViewDisplay& display,
                       NavigationDialogs& dialogs);
// The item's text: "Stop Navigating" while navigating, else "Navigate To ...".
StringId NavigateToText(const CGpsViewData& data);

// "Sensitivity" (32806): the dialog shows `settings`; on OK the new values replace them
// (the next fix uses them) and are written to the settings store.
void SensitivityCommand(CRecordingSettings& settings, NavigationDialogs& dialogs);

// "Friend Track List" (32796): the list with "Go to", "Cancel" and "Menu".
void FriendTrackListCommand(CGpsViewData& data, CGpsMapControl& map, CViewDisplay& display,
                            NavigationDialogs& dialogs);

}  // namespace rq
