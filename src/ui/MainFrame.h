// The main window: the device screen's client area above the four command bars (one per
// view, exactly one shown). Each bar holds the view's menu-bar buttons and its button
// strip. Commands go to the command handler; the frame itself serves the view choice,
// "Exit" and WM_COMMAND 1 (close).
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/CommandBarSwitch.h"
#include "platform/Window.h"
#include "resources/CommandIds.h"

class QMenu;
class QStackedWidget;
class QToolBar;

namespace rq::resources {
struct MenuItem;
}

namespace rq::ui {

class QtWindowTarget;

class CMainFrame : public QMainWindow, public CommandBarSwitch {
    Q_OBJECT

public:
    // `largeButtons`: the 31-pixel button set of screen class 4.
    CMainFrame(int screenWidth, int screenHeight, bool largeButtons);
    ~CMainFrame() override;

    QToolBar* CommandBar(int index) const { return bars_[static_cast<std::size_t>(index)]; }
    platform::WindowHandle Handle() const;
    // Commands the frame does not serve itself.
    void SetCommandHandler(std::function<void(CommandId)> handler) {
        commandHandler_ = std::move(handler);
    }
    // Puts the view of `index` (0 to 3) in the client area and shows its bar.
    void SelectView(int index);
    void OnCommand(CommandId command);

protected:
    void SetBarShown(int index, bool shown) override;
    bool IsBarShown(int index) const override;

private:
    QToolBar* CreateBar(int view, bool largeButtons);
    void FillMenu(QMenu* menu, const resources::MenuItem& popup);

    std::array<QToolBar*, kCommandBarCount> bars_{};
    QStackedWidget* views_ = nullptr;
    std::shared_ptr<QtWindowTarget> target_;
    std::function<void(CommandId)> commandHandler_;
};

}  // namespace rq::ui
