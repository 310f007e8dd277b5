#include "ui/MainFrame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/StringTable.h"
#include "resources/Menus.h"
#include "ui/IconStore.h"
#include "ui/QtText.h"
#include "ui/QtWindowTarget.h"
#include "ui/ViewWidget.h"

namespace rq::ui {

CMainFrame::CMainFrame(int screenWidth, int screenHeight, bool largeButtons,
                       const DisplayProfile& profile) {
    setWindowTitle(ToQString(LoadResourceString(StringId::Roamquill)));
    setFixedSize(screenWidth, screenHeight);
    view_ = new ViewWidget(*this, this);
    setCentralWidget(view_);
    viewCreated_ = view_->Create(profile);
    for (int view = 0; view < kCommandBarCount; ++view) {
        bars_[static_cast<std::size_t>(view)] = CreateBar(view, largeButtons);
    }
    target_ = QtWindowTarget::Create([this](platform::WindowMessage& message) {
        if (message.id == platform::kMsgCommand) {
            OnCommand(static_cast<CommandId>(message.wParam & 0xFFFF));
        }
    });
    view_->View().SetFrameWindow(target_->Handle());
    // The buttons show the same states as the menu items, kept fresh while the fix,
    // the zoom and the follow flag change.
    auto* stripTimer = new QTimer(this);
    connect(stripTimer, &QTimer::timeout, this, &CMainFrame::UpdateStrip);
    stripTimer->start(kStripUpdateMs);
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
    // Tight buttons: the map's three menus and five buttons share 240 pixels.
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    bar->setStyleSheet(
        QStringLiteral("QToolButton { padding: 1px 2px; margin: 0px; }"
                       "QToolButton::menu-indicator { image: none; width: 0px; }"));
    const std::vector<resources::MenuItem>& popups = resources::MainMenuPopups();
    for (const resources::MenuBarButton& button : resources::MenuBarButtons(view)) {
        auto* menuButton = new QToolButton(bar);
        menuButton->setText(ToQString(LoadResourceString(button.caption)));
        menuButton->setPopupMode(QToolButton::InstantPopup);
        menuButton->setFixedWidth(menuButton->fontMetrics().horizontalAdvance(menuButton->text()) +
                                  8);
        auto* menu = new QMenu(menuButton);
        FillMenu(menu, popups[static_cast<std::size_t>(button.popup)]);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
        menuButton->setMenu(menu);
        bar->addWidget(menuButton);
    }
    for (CommandId command : resources::ButtonStrip(view, largeButtons)) {
        QAction* action = bar->addAction(ToQString(resources::CommandCaption(command)));
        action->setIcon(QIcon(IconStore::Button(command, buttonSize)));
        action->setData(static_cast<int>(command));
        action->setEnabled(IsHandled(command));
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        stripActions_[static_cast<std::size_t>(view)].push_back(action);
        if (QWidget* button = bar->widgetForAction(action))
            button->setFixedSize(buttonSize + 4, buttonSize + 4);
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
                action->setEnabled(IsHandled(command));
                connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
                break;
            }
        }
    }
}

void CMainFrame::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            UpdateMenu(action->menu());
            continue;
        }
        if (action->data().isValid()) ApplyState(action);
    }
}

void CMainFrame::ApplyState(QAction* action) {
    const auto command = static_cast<CommandId>(action->data().toInt());
    if (!IsHandled(command)) return;
    const CommandState state = view_->View().StateOf(command);
    action->setEnabled(state.enabled);
    if (state.checked) {
        action->setCheckable(true);
        action->setChecked(*state.checked);
    }
    if (state.text) action->setText(ToQString(*state.text));
}

void CMainFrame::UpdateStrip() {
    const int shown = VisibleCommandBar();
    if (shown < 0 || shown >= kCommandBarCount || !viewCreated_) return;
    for (QAction* action : stripActions_[static_cast<std::size_t>(shown)]) ApplyState(action);
}

void CMainFrame::SetBarShown(int index, bool shown) {
    bars_[static_cast<std::size_t>(index)]->setHidden(!shown);
}

bool CMainFrame::IsBarShown(int index) const {
    return !bars_[static_cast<std::size_t>(index)]->isHidden();
}

void CMainFrame::SelectView(int index) {
    view_->View().SelectView(index);
}

bool CMainFrame::IsHandled(CommandId command) {
    return CRoamquillPPCView::HandlesCommand(command);
}

void CMainFrame::OnCommand(CommandId command) {
    if (command == CommandId::Ok) {
        // WM_COMMAND 1: after "Exit" the state is saved and the frame just closes;
        // from anywhere else closing still asks first.
        exited_ = exited_ || view_->View().HasExited();
        close();
    } else if (!view_->View().OnCommand(command) && commandHandler_) {
        commandHandler_(command);
    }
}

void CMainFrame::ExitWithoutAsking() {
    if (!exited_) view_->View().RunExitSequence();
    exited_ = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!exited_ && viewCreated_) {
        if (!view_->View().OnExit()) {
            event->ignore();
            return;
        }
        exited_ = true;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace rq::ui
