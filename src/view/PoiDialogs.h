// The dialogs the POI commands show, behind an interface: the program shows its Qt
// widgets, tests answer from a script. Each dialog comes opened (its controls filled);
// the runner shows it and returns true on OK.
#pragma once

#include <optional>
#include <string>

#include "poi/DlgEditPoi.h"
#include "poi/DlgManagePoi.h"
#include "poi/DlgSelectPoiCollection.h"
#include "track/DlgFilename.h"

namespace rq {

class PoiDialogs : public FilenameAsker {
public:
    virtual bool RunSelectPoiCollection(CDlgSelectPoiCollection& dlg) = 0;
    virtual bool RunManagePoi(CDlgManagePoi& dlg) = 0;
    virtual bool RunEditPoi(CDlgEditPoi& dlg) = 0;
    // The file chooser on `folder` with "*.poi", ".poi" and the "Delete"/"Rename" menu:
    // the chosen file's name with ".poi", or none on Cancel.
    virtual std::optional<std::string> ChoosePoiFile(const std::string& folder) = 0;
};

}  // namespace rq
