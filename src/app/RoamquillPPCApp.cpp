#include "app/RoamquillPPCApp.h"

#include <string>

#include "app/DisplayProfile.h"
#include "app/LanguageModule.h"
#include "app/LanguageTable.h"
#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/OsVersion.h"
#include "platform/Owner.h"
#include "platform/Text.h"

namespace rq {

CRoamquillPPCApp::CRoamquillPPCApp(LanguageChooser& languageChooser)
    : languageChooser_(languageChooser) {}

CRoamquillPPCApp::~CRoamquillPPCApp() {
    ExitInstance();
}

bool CRoamquillPPCApp::InitInstance(const std::function<bool()>& createMainWindow) {
    ChooseResourceModule();
    if (!CheckOsVersion()) return false;
    if (!CreateDataFolders()) return false;
    CheckOwnerName();
    LoadDisplayProfile();
    if (loadPoiTypeIcons_) loadPoiTypeIcons_();
    SetAppPath(platform::FromUtf8(platform::ProgramFolder()));
    return createMainWindow ? createMainWindow() : true;
}

void CRoamquillPPCApp::ExitInstance() {
    if (languageModule_ != nullptr) {
        FreeLanguageModule(languageModule_);
        languageModule_ = nullptr;
    }
}

void CRoamquillPPCApp::ChooseResourceModule() {
    std::uint32_t id = GetLanguageId();
    if (id == kLanguageNotChosen) {
        const std::optional<std::uint32_t> chosen = languageChooser_.ChooseLanguage();
        // Cancelled: nothing is stored and the question comes again at the next start.
        if (!chosen) return;
        SetLanguageId(*chosen);
        id = *chosen;
    }
    if (id == kLanguageBuiltIn) return;
    languageModule_ = LoadLanguageModule(id);
}

bool CRoamquillPPCApp::CheckOsVersion() {
    const std::optional<platform::OsVersion> version = platform::GetOsVersion();
    if (!version) {
        ShowStringMessage(StringId::CanNotGetVersionOfOs, platform::MessageIcon::Error);
        return false;
    }
    if (version->major < 5) {
        ShowStringMessage(StringId::DesignedForWindowsMobile5, platform::MessageIcon::Error);
        return false;
    }
    return true;
}

bool CRoamquillPPCApp::CreateDataFolders() {
    const std::string programFolder = platform::ProgramFolder();
    for (std::string_view folder : kDataFolders) {
        // Anything already at the path, a file included, is left alone.
        const std::string path = platform::JoinPath(programFolder, std::string(folder));
        if (platform::PathExists(path)) continue;
        if (!platform::CreateFolder(path)) {
            ShowStringMessage(StringId::CanNotAccessRoamquillDirectory,
                              platform::MessageIcon::Error);
            return false;
        }
    }
    return true;
}

void CRoamquillPPCApp::CheckOwnerName() {
    if (platform::Trim(platform::GetOwnerName()).empty()) {
        ShowStringMessage(StringId::OwnerInformationIsNotSet, platform::MessageIcon::Information);
    }
}

}  // namespace rq
