#include "ui/dialogs/QtPoiDialogs.h"

#include "ui/dialogs/EditPoiDialog.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/ManagePoiDialog.h"
#include "ui/dialogs/SelectPoiCollectionDialog.h"

namespace rq::ui {

bool QtPoiDialogs::RunSelectPoiCollection(CDlgSelectPoiCollection& dlg) {
    SelectPoiCollectionDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPoiDialogs::RunManagePoi(CDlgManagePoi& dlg) {
    ManagePoiDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPoiDialogs::RunEditPoi(CDlgEditPoi& dlg) {
    EditPoiDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> QtPoiDialogs::ChoosePoiFile(const std::string& folder) {
    return ChooseFile(parent_, folder, "*.poi", ".poi", CDlgOpenFile::Bar::DeleteRename);
}

std::optional<std::u16string> QtPoiDialogs::AskFilename(std::u16string_view prompt,
                                                        std::u16string_view proposed) {
    return FilenameDialogAsker(parent_).AskFilename(prompt, proposed);
}

}  // namespace rq::ui
