// The "Edit Friend" dialog: a name and a mobile number, written into CDlgFriendEdit on OK.
#pragma once

#include <QDialog>

#include "friends/DlgFriendEdit.h"

class QLineEdit;

namespace rq::ui {

class FriendEditDialog : public QDialog {
    Q_OBJECT

public:
    FriendEditDialog(CDlgFriendEdit& logic, QWidget* parent = nullptr);
    QLineEdit* Name() const { return name_; }
    QLineEdit* Number() const { return number_; }
    void accept() override;

private:
    CDlgFriendEdit& logic_;
    QLineEdit* name_;
    QLineEdit* number_;
};

}  // namespace rq::ui
