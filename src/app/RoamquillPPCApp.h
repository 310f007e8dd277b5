// The application object: the start-up routine (language module, OS check, data
// folders, owner name, display profile, program folder) and the exit routine. Every
// effect on the user goes through platform::UserInterface and the LanguageChooser, so
// start-up runs the same under Qt and in tests.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "app/DlgSelectLanguage.h"
#include "platform/Loader.h"

namespace rq {

// Created under the program folder, in this order.
inline constexpr std::array<std::string_view, 4> kDataFolders = {"tracks", "pois", "logs",
                                                                 "ftracks"};

class CRoamquillPPCApp {
public:
    explicit CRoamquillPPCApp(LanguageChooser& languageChooser);
    // Frees the language module if ExitInstance did not.
    ~CRoamquillPPCApp();
    CRoamquillPPCApp(const CRoamquillPPCApp&) = delete;
    CRoamquillPPCApp& operator=(const CRoamquillPPCApp&) = delete;

    // Runs until the main window would be created; then `createMainWindow` (document,
    // frame and view) ends the routine. False: end the process at once. Nothing made
    // before an early end is undone.
    bool InitInstance(const std::function<bool()>& createMainWindow = {});
    // Frees the language module.
    void ExitInstance();

    platform::LibraryHandle LanguageModule() const { return languageModule_; }
    // Loads the POI type icons from the current resource module; run after the display
    // profile, before the program folder is recorded.
    void SetPoiTypeIconLoader(std::function<void()> loader) {
        loadPoiTypeIcons_ = std::move(loader);
    }

private:
    void ChooseResourceModule();
    bool CheckOsVersion();
    bool CreateDataFolders();
    void CheckOwnerName();

    LanguageChooser& languageChooser_;
    platform::LibraryHandle languageModule_ = nullptr;
    std::function<void()> loadPoiTypeIcons_;
};

}  // namespace rq
