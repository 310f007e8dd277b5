#include "view/PoiCommands.h"

#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "view/GpsCommands.h"
#include "view/Navigation.h"
#include "view/RoamquillPPCView.h"

namespace rq {

namespace {

CPoiCollection* CollectionOfKind(CGpsViewData& data, PoiCollectionKind kind) {
    switch (kind) {
        case PoiCollectionKind::Local:
            return &data.localPois;
        case PoiCollectionKind::Track:
            return &data.track.pois;
        case PoiCollectionKind::Route:
            return &data.route.pois;
    }
    return nullptr;
}

CPoiCollection* ChooseCollection(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    CDlgSelectPoiCollection chooser;
    if (!dialogs.RunSelectPoiCollection(chooser)) return nullptr;
    return CollectionOfKind(view.Data(), chooser.Result());
}

void ShowPoiOnMap(CRoamquillPPCView& view, const CPoi& poi) {
    view.SetShowPoi(true);
    view.CenterMap(poi);
}

// False when the user wants the collection saved and that did not happen, so nothing
// unsaved is thrown away.
bool AskToSaveFirst(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    if (!view.Data().localPois.IsModified()) return true;
    if (ShowStringMessage(StringId::YourPoiIsNotSaved, platform::MessageIcon::Question) !=
        platform::MessageAnswer::Yes) {
        return true;
    }
    return OnSaveLocal(view, dialogs);
}

}  // namespace

bool CanAddPoi(CRoamquillPPCView& view) {
    return view.Map().GetCenter().IsValid();
}

void OnAddPoi(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    const CCoordinate centre = view.Map().GetCenter();
    if (!centre.IsValid()) return;  // the item is disabled then
    CPoiCollection* pois = ChooseCollection(view, dialogs);
    if (pois == nullptr) return;
    CDlgEditPoi editor(*pois);
    editor.name = DefaultRecordingName();
    editor.coordinate = centre;
    editor.Open();
    if (!dialogs.RunEditPoi(editor)) return;
    CPoiCategory* category = pois->FindCategory(editor.categoryName);
    if (category == nullptr) category = pois->AddCategory(editor.categoryName);
    category->AddPoi(editor.name, editor.coordinate, editor.type);
    view.RefreshVisibleControl();
}

void OnManagePoi(CRoamquillPPCView& view, PoiDialogs& dialogs, PoiSender send) {
    if (CPoiCollection* pois = ChooseCollection(view, dialogs))
        ManagePoiCollection(view, dialogs, *pois, std::move(send));
}

void ManagePoiCollection(CRoamquillPPCView& view, PoiDialogs& dialogs, CPoiCollection& collection,
                         PoiSender send) {
    CPoiCollection* pois = &collection;
    CDlgManagePoi::Actions actions;
    actions.goTo = [&view](const CPoi& poi) { ShowPoiOnMap(view, poi); };
    actions.centre = [&view](const CPoi& poi) { view.CenterMap(poi); };
    actions.navigate = [&view](const CPoi& poi) {
        ShowPoiOnMap(view, poi);
        SetNavigationTarget(view.Data(), poi, poi.name);
        SetNavigation(view.Data().target, poi.name, 1);
        view.RefreshInfoValues();
    };
    actions.sendToFriend = std::move(send);
    actions.editPoi = [&dialogs](CDlgEditPoi& editor) { return dialogs.RunEditPoi(editor); };
    actions.askName = [&dialogs](std::u16string_view prompt, std::u16string_view proposed) {
        return dialogs.AskFilename(prompt, proposed);
    };
    CDlgManagePoi manager(*pois, std::move(actions));
    manager.Open();
    dialogs.RunManagePoi(manager);
    if (pois->IsModified()) view.RefreshVisibleControl();
}

void OnNewLocal(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    if (!AskToSaveFirst(view, dialogs)) return;
    CPoiCollection& pois = view.Data().localPois;
    pois.Clear();
    pois.name.clear();
    pois.SetModified(false, true);
    view.RefreshVisibleControl();
    SetLastLoadedPoi(u"");
}

void OnLoadManageLocal(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    if (!AskToSaveFirst(view, dialogs)) return;
    const std::optional<std::string> chosen =
        dialogs.ChoosePoiFile(platform::JoinPath(platform::ProgramFolder(), "pois") + "/");
    if (!chosen) return;
    CPoiCollection& pois = view.Data().localPois;
    pois.name = platform::FromUtf8(*chosen);
    bool loaded = false;
    {
        platform::WaitCursor wait;
        loaded = pois.Load();
    }
    if (!loaded) {
        // A file that does not open leaves the collection as it was; the message says
        // the collection is now empty but for "General", so make it so.
        pois.Clear();
        ShowStringMessage(StringId::LoadingPoiFailed, platform::MessageIcon::Error, {pois.name});
    }
    SetLastLoadedPoi(pois.name);
    view.RefreshVisibleControl();
}

bool SaveLocalPoiCollection(CPoiCollection& pois, FilenameAsker& asker, bool askName) {
    if (askName || pois.name.empty()) {
        const std::optional<std::u16string> name = asker.AskFilename(
            LoadResourceString(StringId::EnterPoiFileName), DefaultRecordingName());
        if (!name) return false;
        pois.name = *name + u".poi";
    }
    bool saved = false;
    {
        platform::WaitCursor wait;
        saved = pois.Save();
    }
    if (!saved) ShowStringMessage(StringId::FailedToSavePoiFile, platform::MessageIcon::Error);
    SetLastLoadedPoi(pois.name);
    return saved;
}

bool OnSaveLocal(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    return SaveLocalPoiCollection(view.Data().localPois, dialogs, false);
}

bool OnSaveAsLocal(CRoamquillPPCView& view, PoiDialogs& dialogs) {
    return SaveLocalPoiCollection(view.Data().localPois, dialogs, true);
}

bool IsLocalPoisModified(CRoamquillPPCView& view) {
    return view.Data().localPois.IsModified();
}

std::u16string CurrentPoiFileText(CRoamquillPPCView& view) {
    const std::u16string& name = view.Data().localPois.name;
    return name.empty() ? LoadResourceString(StringId::NoName) : name;
}

}  // namespace rq
