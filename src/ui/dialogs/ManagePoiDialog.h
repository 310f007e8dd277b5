// The "Manage POI" dialog: the category list above the POI list, "Goto", "Menu" and
// "Cancel" soft keys. Its rules are CDlgManagePoi's; this only shows them and forwards
// the user's acts.
#pragma once

#include <QDialog>

#include "poi/DlgManagePoi.h"

class QComboBox;
class QKeyEvent;
class QListWidget;
class QMenu;

namespace rq::ui {

class ManagePoiDialog : public QDialog {
    Q_OBJECT

public:
    // `logic` comes opened.
    explicit ManagePoiDialog(CDlgManagePoi& logic, QWidget* parent = nullptr);
    QComboBox* Categories() const { return categories_; }
    QListWidget* Pois() const { return pois_; }
    QMenu* Menu() const { return menu_; }
    // The action key: centre on the selected POI and close.
    void accept() override;

protected:
    // The action key (Enter) is the dialog's OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowCategories();
    void ShowPois();
    // Runs a command of the logic that may close the manager.
    void Closing(bool (CDlgManagePoi::*command)());
    // Runs a command of the logic that changes the lists.
    void Changing(void (CDlgManagePoi::*command)(), bool categories);

    CDlgManagePoi& logic_;
    QComboBox* categories_;
    QListWidget* pois_;
    QMenu* menu_;
};

}  // namespace rq::ui
