// The row of soft keys under a dialog: OK, Cancel and, for dialogs that have one, a
// "Menu" key opening the dialog's popup. Tool buttons rather than push buttons, so the
// row fits a 240-pixel-wide screen.
#pragma once

class QBoxLayout;
class QDialog;
class QMenu;

namespace rq::ui {

// Adds the row to `layout`; OK calls the dialog's accept(), Cancel its reject().
void AddSoftKeys(QDialog& dialog, QBoxLayout& layout, QMenu* menu = nullptr);

}  // namespace rq::ui
