// The "Navigate By" dialog: one drop-down list of the navigation sources. Its rules are
// CDlgNavigateTo's; this only shows them.
#pragma once

#include <QDialog>

#include "track/DlgNavigateTo.h"

class QComboBox;

namespace rq::ui {

class NavigateToDialog : public QDialog {
    Q_OBJECT

public:
    explicit NavigateToDialog(CDlgNavigateTo& logic, QWidget* parent = nullptr);
    QComboBox* Sources() const { return sources_; }
    void accept() override;

protected:
    // The action key is OK, as on the device.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CDlgNavigateTo& logic_;
    QComboBox* sources_;
};

}  // namespace rq::ui
