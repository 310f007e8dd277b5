#include "platform/Owner.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "platform/LittleEndian.h"
#include "platform/Registry.h"
#include "platform/Text.h"

namespace rq::platform {

namespace {

constexpr std::size_t kMaxOwnerUnits = 1024 / 2;

// At most the 1024 bytes the device keeps, up to the first zero unit; a surrogate pair
// cut by the limit loses its first half too.
std::u16string Limit(std::u16string text) {
    std::size_t nul = text.find(u'\0');
    if (nul != std::u16string::npos) text.resize(nul);
    if (text.size() > kMaxOwnerUnits) {
        text.resize(kMaxOwnerUnits);
        if (text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
    }
    return Trim(text);
}

std::u16string AccountFullName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_gecos == nullptr) {
        return std::u16string();
    }
    std::string gecos = found->pw_gecos;
    return Trim(FromUtf8(gecos.substr(0, gecos.find(','))));
}

}  // namespace

std::u16string GetOwnerName() {
    std::optional<RegistryValue> value =
        Registry().GetValue(u"HKEY_CURRENT_USER\\ControlPanel\\Owner", u"Owner");
    if (value && value->kind == RegistryKind::Text) return Limit(value->text);
    if (value && value->kind == RegistryKind::Binary) {
        // Devices keep the owner record as bytes: UTF-16LE, the name first.
        const std::vector<std::uint8_t>& bytes = value->binary;
        return Limit(
            GetText(bytes.data(), std::min<std::size_t>(bytes.size(), 2 * kMaxOwnerUnits) / 2));
    }
    return AccountFullName();
}

}  // namespace rq::platform
