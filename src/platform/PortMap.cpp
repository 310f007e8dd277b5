#include "platform/PortMap.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/Registry.h"
#include "platform/Text.h"

namespace rq::platform {

namespace {

// ttyUSB10 after ttyUSB9.
bool NaturalLess(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::vector<std::string> Matching(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0) found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end(), NaturalLess);
    return found;
}

std::string Canonical(const std::string& path) {
    std::error_code ec;
    auto resolved = std::filesystem::canonical(path, ec);
    return ec ? path : resolved.string();
}

void FillMap() {
    RegistryStore& store = Registry();
    store.CreateKey(kPortMapKey);
    int number = 1;
    for (const std::string& device : DetectSerialDevices()) {
        if (number > kMaxPortNumber) break;
        char name[16];
        std::snprintf(name, sizeof name, "COM%d:", number++);
        store.SetText(kPortMapKey, Widen(name), FromUtf8(device));
    }
}

}  // namespace

std::vector<std::string> DetectSerialDevices() {
    std::vector<std::string> devices;
    std::set<std::string> seen;
    auto add = [&](const std::string& path) {
        if (seen.insert(Canonical(path)).second) devices.push_back(path);
    };
    for (const std::string& p : Matching("/dev/serial/by-id", "")) add(p);
    for (const char* prefix : {"ttyUSB", "ttyACM", "rfcomm", "ttyS"})
        for (const std::string& p : Matching("/dev", prefix)) add(p);
    return devices;
}

std::optional<std::string> ResolvePortName(std::u16string_view name) {
    if (!name.empty() && name.front() == u'/') return ToUtf8(name);
    RegistryStore& store = Registry();
    if (!store.KeyExists(kPortMapKey)) FillMap();
    std::optional<RegistryValue> value = store.GetValue(kPortMapKey, name);
    if (!value || value->kind != RegistryKind::Text || value->text.empty()) return std::nullopt;
    return ToUtf8(value->text);
}

bool SetPortMapping(std::u16string_view name, const std::string& devicePath) {
    return Registry().SetText(kPortMapKey, name, FromUtf8(devicePath));
}

namespace {

std::string FirstLine(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) return {};
    char line[256] = {};
    std::string text = std::fgets(line, sizeof line, file) != nullptr ? line : "";
    std::fclose(file);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

// "usb-u-blox_AG_GNSS_receiver-if00" -> "u-blox AG GNSS receiver".
std::string ByIdName(const std::string& linkName) {
    std::string name = linkName;
    for (const char* prefix : {"usb-", "pci-", "platform-"}) {
        if (name.rfind(prefix, 0) == 0) {
            name.erase(0, std::char_traits<char>::length(prefix));
            break;
        }
    }
    const std::size_t tail = name.rfind("-if");
    if (tail != std::string::npos) name.erase(tail);
    const std::size_t port = name.rfind("-port");
    if (port != std::string::npos) name.erase(port);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

}  // namespace

std::string DescribeSerialDevice(const std::string& devicePath, const std::string& sysRoot) {
    const std::string device = Canonical(devicePath);
    const std::string ttyName = std::filesystem::path(device).filename().string();
    // The USB device's product string sits a few levels above the tty's interface.
    std::string product;
    std::filesystem::path up = std::filesystem::path(sysRoot) / "class/tty" / ttyName / "device";
    for (int level = 0; level < 4 && product.empty(); ++level, up /= "..") {
        product = FirstLine((up / "product").string());
    }
    if (product.empty()) {
        for (const std::string& link : Matching("/dev/serial/by-id", "")) {
            if (Canonical(link) == device) {
                product = ByIdName(std::filesystem::path(link).filename().string());
                break;
            }
        }
    }
    return product.empty() ? device : device + " (" + product + ")";
}

}  // namespace rq::platform
