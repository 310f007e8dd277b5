#include "keepers/DlgGpsSetup.h"

#include <algorithm>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/PortMap.h"
#include "platform/Text.h"

namespace rq {

namespace {
constexpr std::uint32_t kBaudRates[] = {4800, 9600, 14400, 19200, 38400, 57600, 115200};

template <typename T>
std::optional<std::size_t> IndexOf(const std::vector<T>& list, auto matches) {
    auto found = std::find_if(list.begin(), list.end(), matches);
    if (found == list.end()) return std::nullopt;
    return static_cast<std::size_t>(found - list.begin());
}
}  // namespace

void CDlgGpsSetup::Open() {
    ports_.clear();
    for (int n = 1; n <= platform::kMaxPortNumber; ++n) {
        const std::u16string name = u"COM" + platform::Widen(std::to_string(n));
        const std::optional<std::string> device = platform::ResolvePortName(name + u":");
        ports_.push_back({static_cast<std::uint32_t>(n), name,
                          device ? platform::FromUtf8(platform::DescribeSerialDevice(*device))
                                 : u"(no device)"});
    }
    bauds_.assign(std::begin(kBaudRates), std::end(kBaudRates));
    const std::uint32_t port = GetPort();
    const std::uint32_t baud = GetBoudrate();
    port_ = IndexOf(ports_, [&](const PortEntry& e) { return e.number == port; });
    baud_ = IndexOf(bauds_, [&](std::uint32_t b) { return b == baud; });
}

void CDlgGpsSetup::SelectPort(std::optional<std::size_t> index) {
    port_ = (index && *index < ports_.size()) ? index : std::nullopt;
}

void CDlgGpsSetup::SelectBaud(std::optional<std::size_t> index) {
    baud_ = (index && *index < bauds_.size()) ? index : std::nullopt;
}

bool CDlgGpsSetup::Ok() {
    if (!port_) {
        ShowStringMessage(StringId::PleaseSelectPortNumber, platform::MessageIcon::Information);
        return false;
    }
    if (!baud_) {
        ShowStringMessage(StringId::PleaseSelectBoudrate, platform::MessageIcon::Information);
        return false;
    }
    SetPort(ports_[*port_].number);
    SetBoudrate(bauds_[*baud_]);
    return true;
}

}  // namespace rq
