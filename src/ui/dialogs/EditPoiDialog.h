// The "Edit POI" dialog: name, type (icon and label), category and the coordinate with
// its hemisphere lists. Its rules are CDlgEditPoi's; this only shows them.
#pragma once

#include <QDialog>

#include "poi/DlgEditPoi.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace rq::ui {

class EditPoiDialog : public QDialog {
    Q_OBJECT

public:
    // `logic` comes opened.
    explicit EditPoiDialog(CDlgEditPoi& logic, QWidget* parent = nullptr);
    QLineEdit* Name() const { return name_; }
    QComboBox* Types() const { return types_; }
    QComboBox* Categories() const { return categories_; }
    QLineEdit* Latitude() const { return latitude_; }
    QComboBox* LatitudeHemisphere() const { return latitudeHemisphere_; }
    QLineEdit* Longitude() const { return longitude_; }
    QComboBox* LongitudeHemisphere() const { return longitudeHemisphere_; }
    void accept() override;

protected:
    // The action key (Enter) is the dialog's OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CDlgEditPoi& logic_;
    QLineEdit* name_;
    QComboBox* types_;
    QComboBox* categories_;
    QLineEdit* latitude_;
    QComboBox* latitudeHemisphere_;
    QLineEdit* longitude_;
    QComboBox* longitudeHemisphere_;
};

}  // namespace rq::ui
