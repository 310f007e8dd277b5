// The "Select POI Collection" dialog. Its rules are CDlgSelectPoiCollection's; this only
// shows them.
#pragma once

#include <QDialog>

#include "poi/DlgSelectPoiCollection.h"

class QComboBox;
class QKeyEvent;

namespace rq::ui {

class SelectPoiCollectionDialog : public QDialog {
    Q_OBJECT

public:
    explicit SelectPoiCollectionDialog(CDlgSelectPoiCollection& logic, QWidget* parent = nullptr);
    QComboBox* Collections() const { return list_; }
    void accept() override;

protected:
    // The action key (Enter) is the dialog's OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CDlgSelectPoiCollection& logic_;
    QComboBox* list_;
};

}  // namespace rq::ui
