// The main view's window: hosts the four control windows, receives the keepers'
// messages 2024 and 2025 and the commands the view sends itself, and passes keys the
// controls do not use to the view. The behaviour is CRoamquillPPCView's.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "ui/IconStore.h"
#include "view/RoamquillPPCView.h"

namespace rq::ui {

class ControlWidget;
class QtWindowTarget;

class ViewWidget : public QWidget {
public:
    // `frame` holds the command bars and outlives the widget.
    ViewWidget(CommandBarSwitch& frame, QWidget* parent = nullptr);
    ~ViewWidget() override;

    // Creation with the display profile; false when a control could not be created.
    bool Create(const DisplayProfile& profile);
    CRoamquillPPCView& View() { return *m_view; }
    platform::WindowHandle Handle() const;
    ControlWidget* ControlWindow(int index) const {
        return m_controls[static_cast<std::size_t>(index)];
    }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    StoredIconSource m_icons;
    std::unique_ptr<FilenameAsker> m_filenameAsker;
    std::unique_ptr<LanguageChooser> m_languageChooser;
    std::unique_ptr<FriendsDialogs> m_friendsDialogs;
    std::unique_ptr<NavigationDialogs> m_navigationDialogs;
    std::unique_ptr<PoiDialogs> m_poiDialogs;
    std::unique_ptr<CRoamquillPPCView> m_view;
    std::array<ControlWidget*, 4> m_controls{};
    std::shared_ptr<QtWindowTarget> m_target;
};

}  // namespace rq::ui
