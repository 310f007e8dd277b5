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
#include <vector>

#include "app/CommandBarSwitch.h"
#include "app/DisplayProfile.h"
#include "platform/Window.h"
#include "resources/CommandIds.h"

class QAction;
class QMenu;
class QToolBar;

namespace rq::resources {
struct MenuItem;
}

namespace rq::ui {

class QtWindowTarget;
class ViewWidget;

class CMainFrame : public QMainWindow, public CommandBarSwitch {
    Q_OBJECT

public:
    // `largeButtons`: the 31-pixel button set of screen class 4. The view is created
    // with `profile`; CreatedView tells whether that worked.
    CMainFrame(int screenWidth, int screenHeight, bool largeButtons, const DisplayProfile& profile);
    ~CMainFrame() override;

    QToolBar* CommandBar(int index) const { return bars_[static_cast<std::size_t>(index)]; }
    platform::WindowHandle Handle() const;
    // Commands the frame does not serve itself.
    void SetCommandHandler(std::function<void(CommandId)> handler) {
        commandHandler_ = std::move(handler);
    }
    ViewWidget& View() const { return *view_; }
    bool CreatedView() const { return viewCreated_; }
    // Puts the view of `index` (0 to 3) in the client area and shows its bar.
    void SelectView(int index);
    void OnCommand(CommandId command);
    // Whether the command has a handler yet; the others' items stay disabled.
    static bool IsHandled(CommandId command);
    // Runs the exit sequence without asking and closes the window.
    void ExitWithoutAsking();
    // The shown bar's buttons: enabled and checked as their menu items would be; run
    // every quarter second.
    void UpdateStrip();

protected:
    // Closing the window is "Exit": it asks, and saves before it closes.
    void closeEvent(QCloseEvent* event) override;

protected:
    void SetBarShown(int index, bool shown) override;
    bool IsBarShown(int index) const override;

private:
    QToolBar* CreateBar(int view, bool largeButtons);
    void FillMenu(QMenu* menu, const resources::MenuItem& popup);
    // The handled items' states, before the menu opens.
    void UpdateMenu(QMenu* menu);
    // One item's or button's state from the command table, when its command has a row.
    void ApplyState(QAction* action);

    static constexpr int kStripUpdateMs = 250;
    std::array<std::vector<QAction*>, kCommandBarCount> stripActions_;

    std::array<QToolBar*, kCommandBarCount> bars_{};
    ViewWidget* view_ = nullptr;
    bool viewCreated_ = false;
    bool exited_ = false;
    std::shared_ptr<QtWindowTarget> target_;
    std::function<void(CommandId)> commandHandler_;
};

}  // namespace rq::ui
