// The "Poi" menu's commands: adding a POI at the map centre, the POI manager on a
// chosen collection, and new, load, save and save-as of the local collection. Each
// shows its dialogs through PoiDialogs and its messages through the message boxes.
#pragma once

#include <functional>
#include <string>

#include "poi/Poi.h"
#include "view/PoiDialogs.h"

namespace rq {

class CRoamquillPPCView;
class CPoiCollection;

// Sends a POI to the friends the user chooses.
using PoiSender = std::function<void(const CPoi&)>;

// "Add Poi", enabled while the map centre is a valid coordinate.
bool CanAddPoi(CRoamquillPPCView& view);
void OnAddPoi(CRoamquillPPCView& view, PoiDialogs& dialogs);
// "Manage Poi": the chooser, then the manager; "Send To Friend" calls `send`.
void OnManagePoi(CRoamquillPPCView& view, PoiDialogs& dialogs, PoiSender send);
// The manager on one collection (also where "Navigate By" leads).
void ManagePoiCollection(CRoamquillPPCView& view, PoiDialogs& dialogs, CPoiCollection& pois,
                         PoiSender send);
// "New (Local)" and "Load/Manage (Local)" ask about an unsaved collection first; when
// the user wants it saved and that is cancelled or fails, the command stops there.
void OnNewLocal(CRoamquillPPCView& view, PoiDialogs& dialogs);
void OnLoadManageLocal(CRoamquillPPCView& view, PoiDialogs& dialogs);
// "Save (Local)", enabled while the local collection is modified, and "Save As (Local)";
// true when saved.
bool OnSaveLocal(CRoamquillPPCView& view, PoiDialogs& dialogs);
bool OnSaveAsLocal(CRoamquillPPCView& view, PoiDialogs& dialogs);
bool IsLocalPoisModified(CRoamquillPPCView& view);
// The "Current Poi File" label: the local collection's name, or "<No Name>".
std::u16string CurrentPoiFileText(CRoamquillPPCView& view);

// What both save commands do (and the exit sequence's save): asks for a name when
// `askName` or the collection has none (the date and time proposed; Cancel stops), saves
// (message 196 on failure) and writes "Last Loaded Poi".
bool SaveLocalPoiCollection(CPoiCollection& pois, FilenameAsker& asker, bool askName);

}  // namespace rq
