// A fresh registry store and program folder for each test of the application shell,
// and scripted message boxes where a test needs them, all undone when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/OsVersion.h"
#include "platform/Registry.h"

namespace rq::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rq-app-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing '/'.
    std::string Path() const { return path_ + "/"; }

private:
    std::string path_;
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousFolder_ = platform::ProgramFolder();
        platform::OpenRegistry(folder_.Path() + "registry.reg");
        platform::SetProgramFolder(folder_.Path());
    }
    void TearDown() override {
        platform::SetProgramFolder(previousFolder_);
        platform::OpenRegistry(registryLeftOver_.Path() + "registry.reg");
    }

    TempFolder folder_;
    TempFolder registryLeftOver_;
    std::string previousFolder_;
};

// With message boxes recorded and the OS version restored afterwards.
class UiAppTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        platform::SetUserInterface(&ui_);
    }
    void TearDown() override {
        platform::SetUserInterface(nullptr);
        platform::InjectOsVersion(std::nullopt);
        AppTest::TearDown();
    }

    platform::ScriptedUserInterface ui_;
};

}  // namespace rq::test
