// The map from the device's port names ("COM1:") to device paths, kept in the
// registry store under kPortMapKey as text values named like the port. Filled on
// first use from the serial devices present; editable, so a pseudo-terminal can
// stand in for a receiver.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq::platform {

inline constexpr std::u16string_view kPortMapKey = u"HKEY_LOCAL_MACHINE\\Drivers\\Roamquill\\Ports";
inline constexpr int kMaxPortNumber = 16;

// The serial devices present, in the order they are numbered: /dev/serial/by-id/*,
// then /dev/ttyUSB*, /dev/ttyACM*, /dev/rfcomm*, /dev/ttyS*; a device already named
// by a by-id link is not listed twice.
std::vector<std::string> DetectSerialDevices();
// The device path of a port name; a name that starts with '/' is a path already.
// Fills the map from DetectSerialDevices when the key does not exist yet.
std::optional<std::string> ResolvePortName(std::u16string_view name);
bool SetPortMapping(std::u16string_view name, const std::string& devicePath);
// What a user recognises a device by: "/dev/ttyUSB0 (u-blox GNSS receiver)", the name
// taken from the USB product string or the /dev/serial/by-id link, the path alone
// when neither is known. `sysRoot` stands for "/sys" in tests.
std::string DescribeSerialDevice(const std::string& devicePath,
                                 const std::string& sysRoot = "/sys");

}  // namespace rq::platform
