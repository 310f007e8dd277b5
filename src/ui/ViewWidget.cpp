#include "ui/ViewWidget.h"

#include <QKeyEvent>
#include <QTimer>

#include "platform/Files.h"
#include "platform/Kernel.h"
#include "ui/ControlWidget.h"
#include "ui/IconStore.h"
#include "ui/QtWindowTarget.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/GpsSetupDialog.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/dialogs/QtFriendsDialogs.h"
#include "ui/dialogs/QtNavigationDialogs.h"
#include "ui/dialogs/QtPoiDialogs.h"
#include "view/DlgPositionMessages.h"
#include "view/PoiCommands.h"

namespace rq::ui {

ViewWidget::ViewWidget(CommandBarSwitch& frame, QWidget* parent)
    : QWidget(parent), m_view(std::make_unique<CRoamquillPPCView>(frame)) {
    setFocusPolicy(Qt::StrongFocus);
    m_target = QtWindowTarget::Create(
        [this](platform::WindowMessage& message) { m_view->OnMessage(message); });
    m_view->SetWindow(m_target->Handle());
    m_view->SetShowControl([this](int index, bool shown) {
        ControlWidget* control = m_controls[static_cast<std::size_t>(index)];
        if (control == nullptr) return;
        control->setVisible(shown);
        if (shown) control->setFocus();
    });
    m_filenameAsker = std::make_unique<FilenameDialogAsker>(this);
    m_view->SetFilenameAsker(m_filenameAsker.get());
    m_view->SetChooseLog([this]() -> std::string {
        const std::string folder = platform::JoinPath(platform::ProgramFolder(), "logs") + "/";
        // The chooser names a file of the folder; the player opens it by its path.
        const std::optional<std::string> name =
            ChooseFile(this, folder, "*.nmea", ".nmea", CDlgOpenFile::Bar::OkCancel);
        return name ? folder + *name : std::string();
    });
    m_view->SetChooseTrack([this](CDlgOpenFile::Bar bar) {
        const std::string folder = platform::JoinPath(platform::ProgramFolder(), "tracks") + "/";
        return ChooseFile(this, folder, "*.trk", ".trk", bar);
    });
    m_view->SetRunGpsSetup([this] {
        GpsSetupDialog dialog(this);
        dialog.exec();
    });
    m_languageChooser = std::make_unique<LanguageDialogChooser>(this);
    m_view->SetLanguageChooser(m_languageChooser.get());
    m_friendsDialogs = std::make_unique<QtFriendsDialogs>(this);
    m_view->SetFriendsDialogs(m_friendsDialogs.get());
    m_poiDialogs = std::make_unique<QtPoiDialogs>(this);
    m_view->SetPoiDialogs(m_poiDialogs.get());
    auto navigation = std::make_unique<QtNavigationDialogs>(this);
    // "Navigate By" leads to the POI manager as "Manage Poi" shows it.
    navigation->SetPoiManager([this](CPoiCollection& pois) {
        ManagePoiCollection(*m_view, *m_poiDialogs, pois, m_view->FriendPoiSender());
    });
    // "Navigate By" leads to the position message list as its own command shows it.
    navigation->SetPositionMessages([this]() -> std::optional<CCoordinate> {
        CDlgPositionMessages dlg(m_view->Data());
        if (m_friendsDialogs->RunPositionMessages(dlg) != CDlgPositionMessages::kResultNavigate ||
            dlg.Result() == nullptr) {
            return std::nullopt;
        }
        return CCoordinate(*dlg.Result());
    });
    m_navigationDialogs = std::move(navigation);
    m_view->SetNavigationDialogs(m_navigationDialogs.get());
    // The view decides when a minute has passed; a few seconds between looks is enough.
    auto* autoSave = new QTimer(this);
    connect(autoSave, &QTimer::timeout, this,
            [this] { m_view->OnAutoSaveTimer(platform::GetTickCount()); });
    autoSave->start(5000);
}

ViewWidget::~ViewWidget() {
    // No message may reach the view once it is gone.
    m_target->Close();
    m_view.reset();
    IconStore::ReleasePoiTypeIcons();
}

bool ViewWidget::Create(const DisplayProfile& profile) {
    std::size_t next = 0;
    return m_view->OnCreate(profile, [this, &next](CGpsControl& control) {
        auto* window = new ControlWidget(control, &m_icons, this);
        window->setGeometry(rect());
        m_controls[next++] = window;
        return window->Created();
    });
}

platform::WindowHandle ViewWidget::Handle() const {
    return m_target->Handle();
}

void ViewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (ControlWidget* control : m_controls) {
        if (control != nullptr) control->setGeometry(rect());
    }
    m_view->OnSize(width(), height());
}

void ViewWidget::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKeyOf(event->key());
    if (key != 0 && m_view->OnKeyDown(key)) return;
    QWidget::keyPressEvent(event);
}

}  // namespace rq::ui
