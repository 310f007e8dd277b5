// The GPS setup dialog: lists, stored selections, refusals and what OK stores.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "keepers/DlgGpsSetup.h"
#include "platform/PortMap.h"
#include "platform/Text.h"
#include "support/AppTest.h"

namespace rq {
namespace {

class DlgGpsSetupTest : public test::UiAppTest {};

TEST_F(DlgGpsSetupTest, ListsPortsAndRatesAndOkAsksForWhatIsNotSelected) {
    const std::string device = folder_ / "ttyUSB0";
    std::ofstream(device) << "";
    ASSERT_TRUE(platform::SetPortMapping(u"COM3:", device));
    CDlgGpsSetup dialog;
    dialog.Open();
    ASSERT_EQ(dialog.Ports().size(), 16u);
    EXPECT_EQ(dialog.Ports().front().name, u"COM1");
    EXPECT_EQ(dialog.Ports().back().name, u"COM16");
    EXPECT_EQ(dialog.Ports()[2].device, platform::FromUtf8(device));
    EXPECT_EQ(dialog.Ports()[3].device, u"(no device)");
    EXPECT_EQ(dialog.BaudRates(),
              (std::vector<std::uint32_t>{4800, 9600, 14400, 19200, 38400, 57600, 115200}));
    // Defaults: port 1, 4800.
    EXPECT_EQ(dialog.PortSelection(), std::optional<std::size_t>(0));
    EXPECT_EQ(dialog.BaudSelection(), std::optional<std::size_t>(0));

    // A USB device is named by its product where the system tells it.
    const std::string sys = folder_ / "sys";
    std::filesystem::create_directories(sys + "/class/tty/ttyUSB0/device");
    EXPECT_EQ(platform::DescribeSerialDevice(device, sys), device);
    std::ofstream(sys + "/class/tty/ttyUSB0/product") << "u-blox GNSS receiver\n";
    EXPECT_EQ(platform::DescribeSerialDevice(device, sys), device + " (u-blox GNSS receiver)");

    // Stored values not in the lists select nothing, and OK asks for them.
    SetPort(17);
    SetBoudrate(1234);
    CDlgGpsSetup unlisted;
    unlisted.Open();
    EXPECT_FALSE(unlisted.PortSelection());
    EXPECT_FALSE(unlisted.BaudSelection());
    EXPECT_FALSE(unlisted.Ok());
    unlisted.SelectPort(2);
    EXPECT_FALSE(unlisted.Ok());
    ASSERT_EQ(ui_.Messages().size(), 2u);
    EXPECT_EQ(ui_.Messages()[0].text, BuiltInString(StringId::PleaseSelectPortNumber));
    EXPECT_EQ(ui_.Messages()[1].text, BuiltInString(StringId::PleaseSelectBoudrate));
    EXPECT_EQ(GetPort(), 17u);  // nothing stored while refused

    unlisted.SelectBaud(6);
    EXPECT_TRUE(unlisted.Ok());
    EXPECT_EQ(GetPort(), 3u);
    EXPECT_EQ(GetBoudrate(), 115200u);
}

}  // namespace
}  // namespace rq
