// The POI commands' dialogs as the program shows them: the Qt widgets, modally.
#pragma once

#include "view/PoiDialogs.h"

class QWidget;

namespace rq::ui {

class QtPoiDialogs : public PoiDialogs {
public:
    explicit QtPoiDialogs(QWidget* parent) : parent_(parent) {}

    bool RunSelectPoiCollection(CDlgSelectPoiCollection& dlg) override;
    bool RunManagePoi(CDlgManagePoi& dlg) override;
    bool RunEditPoi(CDlgEditPoi& dlg) override;
    std::optional<std::string> ChoosePoiFile(const std::string& folder) override;
    std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                              std::u16string_view proposed) override;

private:
    QWidget* parent_;
};

}  // namespace rq::ui
