#include "app/SettingsTable.h"

#include <cerrno>
#include <cstdlib>

#include "app/Settings.h"
#include "platform/LittleEndian.h"
#include "platform/Registry.h"
#include "platform/Text.h"

namespace rq {

namespace {

using K = SettingKind;

}  // namespace

const std::vector<SettingDefinition>& SettingDefinitions() {
#define RQ_SETTING_ROW(Name, ...) setting::Name,
    static const std::vector<SettingDefinition> table = {RQ_SETTINGS(RQ_SETTING_ROW)};
#undef RQ_SETTING_ROW
    return table;
}

const SettingDefinition* FindSetting(std::u16string_view name) {
    for (const SettingDefinition& definition : SettingDefinitions()) {
        if (platform::EqualsNoCase(definition.name, name)) return &definition;
    }
    return nullptr;
}

std::vector<SettingDescription> DescribeSettings() {
    platform::RegistryStore& registry = platform::Registry();
    registry.CreateKey(kSettingsKey);
    std::vector<SettingDescription> out;
    for (const SettingDefinition& definition : SettingDefinitions()) {
        SettingDescription description;
        description.definition = &definition;
        description.integer = definition.integerDefault;
        const auto stored = registry.GetValue(kSettingsKey, definition.name);
        switch (definition.kind) {
            case K::Integer:
                if (stored && stored->kind == platform::RegistryKind::Integer) {
                    description.present = true;
                    description.integer = stored->integer;
                }
                break;
            case K::Text:
                if (stored && stored->kind == platform::RegistryKind::Text) {
                    description.present = true;
                    description.text = stored->text;
                }
                break;
            case K::Binary:
                if (stored && stored->kind == platform::RegistryKind::Binary &&
                    stored->binary.size() == definition.binarySize) {
                    description.present = true;
                    const std::uint8_t* bytes = stored->binary.data();
                    if (definition.binarySize == 4) {
                        description.numbers.push_back(platform::GetF32(bytes));
                    } else {
                        for (std::size_t at = 0; at + 8 <= definition.binarySize; at += 8) {
                            description.numbers.push_back(platform::GetF64(bytes + at));
                        }
                    }
                }
                break;
        }
        out.push_back(std::move(description));
    }
    return out;
}

bool SetSettingFromText(std::u16string_view name, std::u16string_view value, std::string& error) {
    const SettingDefinition* definition = FindSetting(name);
    if (definition == nullptr) {
        error = "unknown setting \"" + platform::ToUtf8(name) + "\"";
        return false;
    }
    bool written = false;
    if (definition->kind == K::Integer) {
        const std::string digits = platform::ToUtf8(platform::Trim(value));
        char* end = nullptr;
        errno = 0;
        // Negative numbers are accepted in their 32-bit two's complement form, as the
        // store keeps DWORDs.
        const long long number = std::strtoll(digits.c_str(), &end, 10);
        if (digits.empty() || end == nullptr || *end != '\0' || errno == ERANGE ||
            number < -2147483648LL || number > 4294967295LL) {
            error = "\"" + digits + "\" is not a 32-bit integer";
            return false;
        }
        written = platform::Registry().SetInteger(kSettingsKey, definition->name,
                                                  static_cast<std::uint32_t>(number));
    } else if (definition->kind == K::Text) {
        written = platform::Registry().SetText(kSettingsKey, definition->name, value);
    } else {
        error = "\"" + platform::ToUtf8(definition->name) + "\" is a binary value";
        return false;
    }
    if (!written) error = "the registry store could not be written";
    return written;
}

}  // namespace rq
