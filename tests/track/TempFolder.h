// The shared scratch folder and a program-folder scope for the track tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "support/TempFolder.h"

namespace rq::tracktest {

using TempFolder = rq::test::TempFolder;

// Makes `folder` the program folder until the scope ends, then drops the choice again
// (restoring the resolved folder as a choice would hide later environment changes).
class ProgramFolderScope {
public:
    explicit ProgramFolderScope(const std::string& folder) { platform::SetProgramFolder(folder); }
    ~ProgramFolderScope() { platform::SetProgramFolder(""); }
    ProgramFolderScope(const ProgramFolderScope&) = delete;
    ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;
};

}  // namespace rq::tracktest
