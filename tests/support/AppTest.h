// A fresh registry store and program folder for each test of the application shell,
// and scripted message boxes where a test needs them, all undone when the test ends.
#pragma once

#include <gtest/gtest.h>

#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/OsVersion.h"
#include "platform/Registry.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"

namespace rq::test {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::OpenRegistry(folder_.Path() + "registry.reg");
        platform::SetProgramFolder(folder_.Path());
    }
    void TearDown() override {
        platform::SetProgramFolder("");
        platform::OpenRegistry(registryLeftOver_.Path() + "registry.reg");
    }

    TempFolder folder_;
    TempFolder registryLeftOver_;
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

    ScriptedUserInterface ui_;
};

}  // namespace rq::test
