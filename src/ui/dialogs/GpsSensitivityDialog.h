// The "GPS Sensitivity" dialog: three integer fields with their labels. Its rules are
// CDlgGpsSensitivity's; this only shows them.
#pragma once

#include <QDialog>
#include <array>

#include "track/DlgGpsSensitivity.h"

class QLineEdit;

namespace rq::ui {

class GpsSensitivityDialog : public QDialog {
    Q_OBJECT

public:
    explicit GpsSensitivityDialog(CDlgGpsSensitivity& logic, QWidget* parent = nullptr);
    QLineEdit* Field(CDlgGpsSensitivity::Field field) const { return fields_[field]; }
    void accept() override;

private:
    CDlgGpsSensitivity& logic_;
    std::array<QLineEdit*, CDlgGpsSensitivity::kFieldCount> fields_{};
};

}  // namespace rq::ui
