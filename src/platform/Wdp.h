// The device's WAP datagram interface at its WDP layer, carried over UDP (the WDP IP
// bearer): a WDP port is the UDP port of the same number on the configured bind address,
// and a number reaches a peer through the number directory, or directly when it is an
// IPv4 address. Several instances run side by side on 127.0.0.2, 127.0.0.3, ...
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Kernel.h"

namespace rq::platform {

class RegistryStore;

inline constexpr std::uint32_t kWapLayerWdp = 1;

inline constexpr std::uint32_t kWapPrimitiveUnitData = 1;
inline constexpr std::uint32_t kWapPrimitiveRequest = 1;
inline constexpr std::uint32_t kWapPrimitiveIndication = 2;

// Valid-fields mask of a unit-data primitive.
inline constexpr std::uint32_t kWapFieldSourceAddress = 0x01;
inline constexpr std::uint32_t kWapFieldSourcePort = 0x02;
inline constexpr std::uint32_t kWapFieldDestinationAddress = 0x04;
inline constexpr std::uint32_t kWapFieldDestinationPort = 0x08;
inline constexpr std::uint32_t kWapFieldUserData = 0x10;

inline constexpr std::uint32_t kWapAddressGsm = 2;   // a phone number
inline constexpr std::size_t kWapAddressUnits = 64;  // including the terminating zero

struct WapAddress {
    std::uint32_t type = 0;
    char16_t address[kWapAddressUnits] = {};
};

// Stores `text` with its terminating zero; false (and the field left empty) when it does
// not fit in 63 units.
bool SetWapAddress(WapAddress& field, std::uint32_t type, std::u16string_view text);
std::u16string WapAddressText(const WapAddress& field);

struct WdpUnitData {
    std::uint32_t primitiveId = 0;
    std::uint32_t primitiveType = 0;
    std::uint32_t validFields = 0;
    WapAddress source;
    std::uint32_t sourcePort = 0;
    WapAddress destination;
    std::uint32_t destinationPort = 0;
    const std::uint8_t* userData = nullptr;
    std::uint32_t userDataSize = 0;
};

struct WapSession;
using WapHandle = WapSession*;

// Opens `localPort` at `layer` (only kWapLayerWdp) on the configured bind address. The
// message event polls readable while a datagram waits; it belongs to the handle.
bool WapOpen(std::uint32_t layer, std::uint32_t localPort, WapHandle* handle,
             Waitable** messageEvent);
bool WapSend(WapHandle handle, const WdpUnitData& primitive);
// Bytes needed to read the waiting primitive; false when none waits.
bool WapGetNextPrimitiveSize(WapHandle handle, std::size_t* size);
// Reads (and removes) the waiting primitive into `buffer`; the primitive's user data
// points into `buffer`. A primitive that does not fit is dropped and false returned.
bool WapRead(WapHandle handle, std::uint8_t* buffer, std::size_t size, WdpUnitData& primitive);
void WapClose(WapHandle handle);

// Number -> IPv4 address text; none when the number is unknown.
using NumberDirectory = std::function<std::optional<std::string>(std::u16string_view number)>;

struct WdpSettings {
    std::string bindAddress = "127.0.0.1";
    // The number peers see as the source of what this instance sends; empty means the
    // bind address.
    std::u16string ownNumber;
    NumberDirectory directory;
};

// Process-wide settings, set at start-up before any handle is opened.
WdpSettings GetWdpSettings();
void SetWdpSettings(WdpSettings settings);

// The registry form: under kWdpKey the text values "Bind Address" and "Own Number", and
// under kWdpKey\Directory one text value per number holding its IPv4 address.
inline constexpr std::u16string_view kWdpKey =
    u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\WDP";
inline constexpr std::u16string_view kWdpDirectoryKey =
    u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\WDP\\Directory";
// Reads the settings from `store`, whose directory lookups then go to `store` (which must
// outlive the settings).
WdpSettings WdpSettingsFromRegistry(RegistryStore& store);

// The address `number` is sent to: the directory's entry, else the number itself when it
// is a dotted IPv4 address.
std::optional<std::string> ResolveNumber(const WdpSettings& settings, std::u16string_view number);

}  // namespace rq::platform
