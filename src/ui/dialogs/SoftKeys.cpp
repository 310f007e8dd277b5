#include "ui/dialogs/SoftKeys.h"

#include <QBoxLayout>
#include <QDialog>
#include <QMenu>
#include <QToolButton>

namespace rq::ui {

namespace {
QToolButton* Key(QDialog& dialog, const QString& text) {
    auto* key = new QToolButton(&dialog);
    key->setText(text);
    key->setObjectName(text);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    key->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return key;
}
}  // namespace

void AddSoftKeys(QDialog& dialog, QBoxLayout& layout, QMenu* menu) {
    auto* row = new QHBoxLayout;
    QToolButton* ok = Key(dialog, QStringLiteral("OK"));
    QToolButton* cancel = Key(dialog, QStringLiteral("Cancel"));
    QObject::connect(ok, &QToolButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QToolButton::clicked, &dialog, &QDialog::reject);
    row->addWidget(ok);
    if (menu != nullptr) {
        QToolButton* menuKey = Key(dialog, QStringLiteral("Menu"));
        menuKey->setMenu(menu);
        menuKey->setPopupMode(QToolButton::InstantPopup);
        row->addWidget(menuKey);
    }
    row->addWidget(cancel);
    layout.addLayout(row);
}

}  // namespace rq::ui
