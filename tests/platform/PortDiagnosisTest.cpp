// The words a user reads when the receiver's port does not open.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <tuple>

#include "platform/PortDiagnosis.h"
#include "support/TempFolder.h"

namespace rq::platform {
namespace {

TEST(PortDiagnosisTest, SaysWhatToDoForEachCause) {
    test::TempFolder folder;
    const std::string device = folder / "ttyUSB9";
    std::ofstream(device) << "";
    const struct group* dialout = ::getgrnam("dialout");
    if (dialout != nullptr) {
        ASSERT_EQ(::chown(device.c_str(), ::getuid(), dialout->gr_gid), 0);
    }

    const std::tuple<std::string, int, std::string> rows[] = {
        {"", ENOENT, "COM3 is not connected to any serial device"},
        {folder / "gone", ENOENT, "which does not exist now"},
        {folder / "gone", ENODEV, "unplugged"},
        {device, EIO, "could not be opened: "},
        {device, EBUSY, "is in use by another program."},
    };
    for (const auto& [path, error, expected] : rows) {
        EXPECT_NE(ExplainPortOpenFailure("COM3", path, error).find(expected), std::string::npos)
            << path << " " << error;
    }
    if (dialout != nullptr && ::getegid() != dialout->gr_gid) {
        EXPECT_NE(ExplainPortOpenFailure("COM3", device, EACCES).find("sudo usermod -aG dialout"),
                  std::string::npos);
    }
}

TEST(PortDiagnosisTest, NamesTheProgramHoldingThePort) {
    test::TempFolder folder;
    const std::string device = folder / "ttyACM7";
    std::ofstream(device) << "";
    EXPECT_TRUE(FindPortHolders(device).empty());  // this process's own use is not counted

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(device.c_str(), O_RDONLY);
        const char byte = fd >= 0 ? 1 : 0;
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    const std::vector<PortHolder> holders = FindPortHolders(device);
    const std::string text = ExplainPortOpenFailure("COM2", device, EBUSY);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    ASSERT_EQ(holders.size(), 1u);
    EXPECT_EQ(holders[0].pid, child);
    EXPECT_NE(text.find("(process " + std::to_string(child) + ")"), std::string::npos) << text;
}

}  // namespace
}  // namespace rq::platform
