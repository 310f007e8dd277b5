#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QMessageBox>

#include "app/StringTable.h"
#include "ui/QtText.h"

namespace rq::ui {

platform::MessageAnswer QtUserInterface::ShowMessage(std::u16string_view text,
                                                     platform::MessageIcon icon) {
    QMessageBox box(parent_);
    box.setWindowTitle(ToQString(LoadResourceString(StringId::Roamquill)));
    box.setText(ToQString(text));
    switch (icon) {
        case platform::MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case platform::MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case platform::MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
    }
    // A box over the wait cursor still takes taps.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (waiting) QApplication::restoreOverrideCursor();
    if (icon != platform::MessageIcon::Question) return platform::MessageAnswer::Ok;
    return result == QMessageBox::Yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
}

void QtUserInterface::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace rq::ui
