#include "ui/MainFrame.h"

#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

#include "app/StringTable.h"
#include "resources/Menus.h"
#include "ui/IconStore.h"
#include "ui/QtText.h"
#include "ui/QtWindowTarget.h"

namespace rq::ui {

CMainFrame::CMainFrame(int screenWidth, int screenHeight, bool largeButtons) {
    setWindowTitle(ToQString(LoadResourceString(StringId::Roamquill)));
    setFixedSize(screenWidth, screenHeight);
    views_ = new QStackedWidget(this);
    for (const char16_t* name : {u"Map", u"Satellite", u"Compass", u"Info Panel"}) {
        auto* placeholder = new QLabel(ToQString(name), views_);
        placeholder->setAlignment(Qt::AlignCenter);
        views_->addWidget(placeholder);
    }
    setCentralWidget(views_);
    for (int view = 0; view < kCommandBarCount; ++view) {
        bars_[static_cast<std::size_t>(view)] = CreateBar(view, largeButtons);
    }
    target_ = QtWindowTarget::Create([this](platform::WindowMessage& message) {
        if (message.id == platform::kMsgCommand) {
            OnCommand(static_cast<CommandId>(message.wParam & 0xFFFF));
        }
    });
}

CMainFrame::~CMainFrame() {
    target_->Close();
}

platform::WindowHandle CMainFrame::Handle() const {
    return target_->Handle();
}

QToolBar* CMainFrame::CreateBar(int view, bool largeButtons) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("commandBar%1").arg(view));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    const int buttonSize = largeButtons ? 31 : 16;
    bar->setIconSize(QSize(buttonSize, buttonSize));
    const std::vector<resources::MenuItem>& popups = resources::MainMenuPopups();
    for (const resources::MenuBarButton& button : resources::MenuBarButtons(view)) {
        auto* menuButton = new QToolButton(bar);
        menuButton->setText(ToQString(LoadResourceString(button.caption)));
        menuButton->setPopupMode(QToolButton::InstantPopup);
        auto* menu = new QMenu(menuButton);
        FillMenu(menu, popups[static_cast<std::size_t>(button.popup)]);
        menuButton->setMenu(menu);
        bar->addWidget(menuButton);
    }
    bar->addSeparator();
    for (CommandId command : resources::ButtonStrip(view, largeButtons)) {
        QAction* action = bar->addAction(ToQString(resources::CommandCaption(command)));
        action->setIcon(QIcon(IconStore::Button(command, buttonSize)));
        action->setData(static_cast<int>(command));
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    }
    addToolBar(Qt::BottomToolBarArea, bar);
    bar->hide();
    return bar;
}

void CMainFrame::FillMenu(QMenu* menu, const resources::MenuItem& popup) {
    for (const resources::MenuItem& item : popup.items) {
        switch (item.kind) {
            case resources::MenuItem::Kind::Separator:
                menu->addSeparator();
                break;
            case resources::MenuItem::Kind::Popup:
                FillMenu(menu->addMenu(ToQString(item.text)), item);
                break;
            case resources::MenuItem::Kind::Command: {
                const CommandId command = item.command;
                QAction* action = menu->addAction(ToQString(item.text));
                action->setData(static_cast<int>(command));
                connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
                break;
            }
        }
    }
}

void CMainFrame::SetBarShown(int index, bool shown) {
    bars_[static_cast<std::size_t>(index)]->setHidden(!shown);
}

bool CMainFrame::IsBarShown(int index) const {
    return !bars_[static_cast<std::size_t>(index)]->isHidden();
}

void CMainFrame::SelectView(int index) {
    ShowCommandBar(index);
    if (index >= 0 && index < kCommandBarCount) views_->setCurrentIndex(index);
}

void CMainFrame::OnCommand(CommandId command) {
    if (command >= CommandId::ViewMap && command <= CommandId::ViewInfoPanel) {
        SelectView(static_cast<int>(command) - static_cast<int>(CommandId::ViewMap));
    } else if (command == CommandId::Ok || command == CommandId::Exit) {
        // "Exit" asks and saves in the main view once there is one; until then it closes.
        if (command == CommandId::Exit && commandHandler_) {
            commandHandler_(command);
        } else {
            close();
        }
    } else if (commandHandler_) {
        commandHandler_(command);
    }
}

}  // namespace rq::ui
