// The GPS "Setup" dialog: the port list with each port's device, and the baud rates.
// Its rules are CDlgGpsSetup's; this only shows them.
#pragma once

#include <QDialog>

#include "keepers/DlgGpsSetup.h"

class QComboBox;

namespace rq::ui {

class GpsSetupDialog : public QDialog {
    Q_OBJECT

public:
    explicit GpsSetupDialog(QWidget* parent = nullptr);
    QComboBox* Ports() const { return ports_; }
    QComboBox* Bauds() const { return bauds_; }
    void accept() override;

private:
    CDlgGpsSetup logic_;
    QComboBox* ports_;
    QComboBox* bauds_;
};

}  // namespace rq::ui
