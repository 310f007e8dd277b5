// The GPS "Setup" dialog without its widgets: ports "COM1" to "COM16", each with the
// device it maps to today, and the baud rates; OK stores "Port" and "Boudrate" for the
// next Connect.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rq {

class CDlgGpsSetup {
public:
    struct PortEntry {
        std::uint32_t number;
        std::u16string name;    // "COM3"
        std::u16string device;  // "/dev/ttyUSB0 (u-blox GNSS receiver)", or "(no device)"
    };

    // Fills both lists and selects the stored values; a stored value not in a list
    // leaves that list without selection.
    void Open();
    const std::vector<PortEntry>& Ports() const { return ports_; }
    const std::vector<std::uint32_t>& BaudRates() const { return bauds_; }
    std::optional<std::size_t> PortSelection() const { return port_; }
    std::optional<std::size_t> BaudSelection() const { return baud_; }
    void SelectPort(std::optional<std::size_t> index);
    void SelectBaud(std::optional<std::size_t> index);

    // False, the dialog staying open, with "Please select port number." or "Please
    // select boudrate."; otherwise stores both values.
    bool Ok();

private:
    std::vector<PortEntry> ports_;
    std::vector<std::uint32_t> bauds_;
    std::optional<std::size_t> port_;
    std::optional<std::size_t> baud_;
};

}  // namespace rq
