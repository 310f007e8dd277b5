// Kept apart from the transport so that programs without a registry store can use it.
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Wdp.h"

namespace rq::platform {

WdpSettings WdpSettingsFromRegistry(RegistryStore& store) {
    WdpSettings s;
    auto text = [&](std::u16string_view key,
                    std::u16string_view name) -> std::optional<std::u16string> {
        auto v = store.GetValue(key, name);
        if (!v || v->kind != RegistryKind::Text) return std::nullopt;
        return Trim(v->text);
    };
    if (auto bind = text(kWdpKey, u"Bind Address"); bind && !bind->empty())
        s.bindAddress = ToUtf8(*bind);
    if (auto own = text(kWdpKey, u"Own Number")) s.ownNumber = *own;
    s.directory = [text](std::u16string_view number) -> std::optional<std::string> {
        if (number.empty()) return std::nullopt;
        if (auto ip = text(kWdpDirectoryKey, number)) return ToUtf8(*ip);
        return std::nullopt;
    };
    return s;
}

}  // namespace rq::platform
